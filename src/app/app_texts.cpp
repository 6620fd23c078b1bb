#include "app_texts.h"

namespace velquin::app::texts {
namespace {

std::string quoted(std::string_view text) { return "「" + std::string(text) + "」"; }

}  // namespace

std::string commandLineError(std::string_view line) {
  return "velquin: " + std::string(line) + "\n";
}

std::string unknownOption(std::string_view argument) {
  return quoted(argument) + "は velquin のオプションではありません。";
}

std::string twoActions(std::string_view first, std::string_view second) {
  return std::string(first) + " と " + std::string(second) + " は一緒に指定できません。";
}

std::string pathMissing(std::string_view option) {
  return std::string(option) +
         " の後に、設定ファイル、配布フォルダまたは配布プログラムを 1 つ指定してください。";
}

std::string pathTwice(std::string_view option, std::string_view extra) {
  return std::string(option) + " に指定できるパスは 1 つだけです（" + quoted(extra) +
         "は余分です）。";
}

std::string noPathTaken(std::string_view option, std::string_view extra) {
  return std::string(option) + " にはパスを指定できません（" + quoted(extra) + "は余分です）。";
}

std::string strictAlone() { return "--strict は --check と一緒に指定してください。"; }

std::string qtOptionWithAction(std::string_view qtOption, std::string_view option) {
  return quoted(qtOption) + "はウィンドウの Qt のオプションで、" + std::string(option) +
         " と一緒には指定できません。";
}

std::string qtOptionOfTheWindow(std::string_view qtOption) {
  return quoted(qtOption) +
         "はウィンドウの Qt のオプションです。velquin.exe に指定してください（velquin.com "
         "では使えません）。";
}

std::string qtOptionWithoutValue(std::string_view qtOption) {
  return std::string(qtOption) + " の後に、その値を指定してください。";
}

const std::string_view kSynopsis =
    "使い方: velquin [配布プログラム.exe]\n"
    "        velquin --check 設定ファイル|配布フォルダ|配布プログラム.exe [--strict]\n"
    "        velquin --plan 設定ファイル|配布フォルダ|配布プログラム.exe\n"
    "        velquin --add-unlisted 設定ファイル|配布フォルダ|配布プログラム.exe\n";

std::string usage() {
  return std::string(kSynopsis) +
         "Rivo インストーラの設定ファイルを作成します。配布プログラムを指定すると、"
         "そのプログラムを選んだ状態で起動します。\n"
         "  --help     この説明を表示して終了します（-h、Windows では /? も同じ）\n"
         "  --version  バージョンを表示して終了します\n"
         "  --check    設定ファイルを配布フォルダと照らし合わせて検査し、"
         "見つかった問題を表示して終了します。"
         "フォルダや配布プログラムを指定したときは、そのフォルダの Rivo.ini を検査します\n"
         "  --strict   --check で、警告も失敗とします（パスの前でも後でも構いません）\n"
         "  --plan     インストーラが設定ファイルから読むとおりにインストールしたときの内容"
         "（インストール先、ファイル、ショートカット、アンインストール）を、--check と同じ"
         "問題とともに表示して終了します。終了コードは 0、設定ファイルがないか読み込めないか"
         "設定ファイルではないとき、また結果を書き込めないときは 2 です\n"
         "  --add-unlisted  配布フォルダにあってインストールするファイルにないファイルを、"
         "詳細設定の「一覧にないファイルを追加」と「作成」のとおりに設定ファイルへ追加し、"
         "追加したファイルを 1 行ずつ表示して終了します。終了コードは 0、設定ファイルを"
         "読み込めないか書き込めないとき、また「作成」で書き戻せない行があるときは 2 で、"
         "ファイルは変わりません（追加のあとで結果を書き込めなかったときも 2 です。"
         "このときファイルは追加済みです）\n"
         "一度に指定できるのは、これらのうち 1 つ（--check には --strict も）です。"
         "ウィンドウを開くときは、Qt のオプション（-platform、-style、-reverse、-session など）"
         "も指定できます。\n"
         "--check の出力は問題ごとに 1 行で、最後の行がエラーと警告の件数です:\n"
         "  パス:行: エラー: [セクション] ItemN: 内容\n"
         "  パス:行: 警告: [セクション] キー: 内容\n"
         "行を示せない問題は「パス: 」で始まります。\n"
         "終了コード: 0 エラーなし（--strict では警告もなし）、1 エラーあり（--strict では"
         "警告も）、2 設定ファイルがない、読み込めない、設定ファイルではない、"
         "結果を書き込めない、またはコマンドラインの誤り\n"
         "Windows のコマンドプロンプトや PowerShell では velquin.com がこれを受け持ちます"
         "（velquin と入力すれば velquin.exe より先に選ばれます）。"
         "終了を待って終了コードを返します。\n"
         "ファイルやパイプへの出力は、Windows では Shift-JIS（コード ページ 932）と CR LF、"
         "Linux では UTF-8 と LF です。\n";
}

std::string version(std::string_view number) { return "Velquin " + std::string(number) + "\n"; }

std::string windowProgramNotStarted(std::string_view program) {
  return "ウィンドウのプログラム" + quoted(program) + "を起動できません。";
}

}  // namespace velquin::app::texts
