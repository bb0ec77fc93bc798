// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// windows.h first: bcrypt.h needs its types.
#include <bcrypt.h>

#include <new>

#include "platform/Failure.h"
#include "platform/Sha1Digester.h"

namespace vorlent {

namespace {

bool succeeded(NTSTATUS status) { return status >= 0; }

// Windows' own cryptographic provider (CNG); one algorithm handle for the program's run.
class Sha1Provider {
 public:
  Sha1Provider() {
    if (!succeeded(::BCryptOpenAlgorithmProvider(&algorithm_, BCRYPT_SHA1_ALGORITHM, nullptr, 0))) {
      algorithm_ = nullptr;
    }
  }
  ~Sha1Provider() {
    if (algorithm_ != nullptr) {
      ::BCryptCloseAlgorithmProvider(algorithm_, 0);
    }
  }
  Sha1Provider(const Sha1Provider&) = delete;
  Sha1Provider& operator=(const Sha1Provider&) = delete;

  BCRYPT_ALG_HANDLE get() const { return algorithm_; }

 private:
  BCRYPT_ALG_HANDLE algorithm_ = nullptr;
};

// Windows' CNG.
class Win32Sha1Digester : public Sha1Digester {
 public:
  Sha1Digest digestOf(std::string_view bytes) const override;
};

}  // namespace

Sha1Digest Win32Sha1Digester::digestOf(std::string_view bytes) const {
  static const Sha1Provider provider;
  if (provider.get() == nullptr) {
    throw Failure("SHA-1 を計算できません");
  }
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (!succeeded(::BCryptCreateHash(provider.get(), &hash, nullptr, 0, nullptr, 0, 0))) {
    throw std::bad_alloc();
  }
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const ULONG piece = left > (1u << 30) ? (1u << 30) : static_cast<ULONG>(left);
    // BCryptHashData does not write to its input; the parameter is not const for history's sake.
    auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + done));
    ok = succeeded(::BCryptHashData(hash, data, piece, 0));
    done += piece;
  }
  Sha1Digest digest{};
  ok = ok && succeeded(::BCryptFinishHash(hash, digest.data(), digest.size(), 0));
  ::BCryptDestroyHash(hash);
  if (!ok) {
    throw Failure("SHA-1 を計算できません");
  }
  return digest;
}

std::unique_ptr<Sha1Digester> makeSha1Digester() { return std::make_unique<Win32Sha1Digester>(); }

}  // namespace vorlent
