#include "launch/StartProblemText.h"

#include "platform/DosStartPlan.h"

namespace vorlent {

namespace {

std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    text += (text.empty() ? "" : "、") + name;
  }
  return text;
}

// What is wrong with the folder the start needs for its own files, and why it is not used.
std::string untrustedFolderText(const std::string& folder, FolderDistrust distrust) {
  const std::string named = "起動に使う一時フォルダ「" + folder + "」";
  const std::string refusal = "。他のユーザーが中身を差し替えられるフォルダは使いません。";
  switch (distrust) {
    case FolderDistrust::Link:
      return named + "はシンボリックリンクです" + refusal;
    case FolderDistrust::NotAFolder:
      return named + "はフォルダではありません。";
    case FolderDistrust::OtherOwner:
      return named + "は他のユーザーのものです" + refusal;
    case FolderDistrust::OpenToOthers:
      return named + "は他のユーザーも書き込めます" + refusal;
    case FolderDistrust::CannotMake:
      return named + "を作成できません。";
    case FolderDistrust::None:
      break;
  }
  return {};
}

}  // namespace

std::string startProblemExplanation(const StartResult& result) {
  switch (result.problem) {
    case StartProblem::NoDosBox:
      return "MS-DOS のプログラムは DOSBox の中で動きますが、検索パス (PATH) に " +
             listed(result.dosBoxNames) +
             " のどれも見つかりません。DOSBox をインストールしてください。";
    case StartProblem::CommandTailTooLong:
      return "MS-DOS に渡すコマンドラインが " + std::to_string(result.commandTailLength) +
             " 文字になります。MS-DOS がプログラムに渡せるのは " +
             std::to_string(kDosCommandTailLimit) +
             " 文字までです。オプションかメディアを減らしてください。";
    case StartProblem::RefusedDosWord:
      return "「" + result.refusedWord +
             "」は DOSBox に渡せません。存在するファイルを指していないか、DOSBox が読み替える文字 "
             "(< > | \" % や改行) を含んでいます。ファイルを入れ直すか、名前を変えてください。";
    case StartProblem::UntrustedFolder:
      return untrustedFolderText(result.folder, result.distrust);
    case StartProblem::None:
      break;
  }
  return {};
}

}  // namespace vorlent
