// SPDX-License-Identifier: GPL-3.0-or-later
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

// What is wrong with the folder `named`, and why it is not used.
std::string untrustedFolderText(const std::string& named, FolderDistrust distrust) {
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
    case FolderDistrust::TooLong:
      return named + "のパスが長すぎて DOSBox に渡せません。";
    case FolderDistrust::None:
      break;
  }
  return {};
}

std::string placeText(DosBoxPlace place) {
  switch (place) {
    case DosBoxPlace::PathFolders:
      return "検索パス (PATH)";
    case DosBoxPlace::ProgramFilesFolders:
      return "Program Files の DOSBox で始まるフォルダ";
    case DosBoxPlace::InstallRecords:
      return "インストーラの記録 (レジストリ)";
  }
  return {};
}

std::string listedPlaces(const std::vector<DosBoxPlace>& places) {
  std::vector<std::string> texts;
  for (const DosBoxPlace place : places) {
    texts.push_back(placeText(place));
  }
  return listed(texts);
}

}  // namespace

std::string startProblemExplanation(const StartResult& result) {
  switch (result.problem) {
    case StartProblem::NoDosBox:
      return "MS-DOS のプログラムは DOSBox の中で動きますが、" + listedPlaces(result.dosBoxPlaces) +
             " に " + listed(result.dosBoxNames) +
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
      return untrustedFolderText("起動に使う一時フォルダ「" + result.folder + "」",
                                 result.distrust);
    case StartProblem::UntrustedAlias:
      return "「" + result.refusedWord + "」は保存された別名です。" +
             untrustedFolderText("別名を置くフォルダ「" + result.folder + "」", result.distrust) +
             "ファイルを入れ直してください。";
    case StartProblem::None:
      break;
  }
  return {};
}

std::string unlocatedEmulatorExplanation(std::string_view program, std::string_view tabCaption) {
  const std::string name(program);
  return name + " の場所が指定されていません。「" + std::string(tabCaption) +
         "」タブの「実行ファイル」か、実行 → 実行ファイルのディレクトリ → " + name + " で、" +
         name + " のあるフォルダを選んでください。";
}

}  // namespace vorlent
