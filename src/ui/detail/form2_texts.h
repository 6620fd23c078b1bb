#pragma once

// The texts that every showing of the detailed-settings dialog puts in place:
// the help texts of the nine help labels and the longer hints (the short hints
// are in form2.ui). Lines are joined with a single line feed, the way every
// multi-line text of this tool is kept; blanks at the start of a line are part
// of the text (the special directory names of the file page are padded so that
// the full-width colon stands 13 bytes after the indent in code page 932).

#include <string_view>

namespace velquin::ui::form2_texts {

// One source line per line of text, so that each can be checked by eye.
// clang-format off

// Help text 1, shown by Label5.
inline constexpr std::string_view kHelp1 =
    "インストールするファイルを改行区切りで入力してください。\n"
    "(インストーラ本体とiniファイルは、入力しないでください。)\n"
    "サブディレクトリを作成してそこにファイルをコピーしたい場合は，相対パス及び絶対パスを指定可能です。\n"
    "また，以下に示す特殊ディレクトリを指定することも出来ます。\n"
    "   %WINDIR%     ：Windowsディレクトリ\n"
    "   %SYSTEMDIR%  ：Windowsのシステムディレクトリ\n"
    "   %COMMONPROG% ：Common Filesディレクトリ\n"
    "   %MYDOCUMENTS%：マイ ドキュメント\n"
    "   %TEMPLATES%  ：テンプレート\n"
    "   %環境変数%   ：任意の環境変数（例：%USERPROFILE%）\n"
    "コピー先に既に同名ファイルが存在する場合の動作を指定する場合は，ファイル名の後にカンマを入れて以下の番号を半角で入力して下さい。(省略時は1と見なします)\n"
    "   0：上書きコピーしない\n"
    "　 1：上書きコピーする\n"
    "　 2：コピー元ファイルのタイムスタンプが新しい場合のみ上書きコピーする\n"
    "なお，アンインストール時はここで列挙されているファイルをディスク上から削除します。";

// Help text 2, shown by Label7.
inline constexpr std::string_view kHelp2 =
    "「スタートメニューにプログラムグループを登録」チェックボックスのポップアップヘルプで表示する説明書き(改行は入力不可)";

// Help text 3, shown by Label1.
inline constexpr std::string_view kHelp3 =
    "作成するグループに登録するショートカットを改行区切りで入力してください。各行は「ショートカットの名前,ファイル名,パラメータ,アイコンファイル名,アイコン番号(0～)」の順で、カンマ区切りで入力してください。\n"
    "[パラメータ]以降は省略可能です。[ファイル名]および[アイコンファイル名]にはディレクトリも指定可能です。(ディレクトリの指定方法はファイルタブを参照)\n"
    "[アイコンファイル名]を空欄にして[アイコン番号]を指定した場合，[ファイル名]に指定したファイルのアイコンリソースを使用します。";

// Help text 4, shown by Label10.
inline constexpr std::string_view kHelp4 =
    "「スタートアップにプログラムを登録」チェックボックスのポップアップヘルプで表示する説明書き(改行は入力不可)";

// Help text 5, shown by Label11.
inline constexpr std::string_view kHelp5 =
    "スタートアップに登録するショートカットを改行区切りで入力してください。各行は「ショートカットの名前,ファイル名,パラメータ,アイコンファイル名,アイコン番号(0～)」の順で、カンマ区切りで入力してください。\n"
    "[パラメータ]以降は省略可能です。[ファイル名]および[アイコンファイル名]にはディレクトリも指定可能です。(ディレクトリの指定方法はファイルタブを参照)\n"
    "[アイコンファイル名]を空欄にして[アイコン番号]を指定した場合，[ファイル名]に指定したファイルのアイコンリソースを使用します。";

// Help text 6, shown by Label13.
inline constexpr std::string_view kHelp6 =
    "「デスクトップにショートカットを登録」チェックボックスのポップアップヘルプで表示する説明書き(改行は入力不可)";

// Help text 7, shown by Label14.
inline constexpr std::string_view kHelp7 =
    "デスクトップに登録するショートカットを改行区切りで入力してください。各行は「ショートカットの名前,ファイル名,パラメータ,アイコンファイル名,アイコン番号(0～)」の順で、カンマ区切りで入力してください。\n"
    "[パラメータ]以降は省略可能です。[ファイル名]および[アイコンファイル名]にはディレクトリも指定可能です。(ディレクトリの指定方法はファイルタブを参照)\n"
    "[アイコンファイル名]を空欄にして[アイコン番号]を指定した場合，[ファイル名]に指定したファイルのアイコンリソースを使用します。";

// Help text 8, shown by Label15.
inline constexpr std::string_view kHelp8 =
    "コントロールパネルの「アプリケーションの追加と削除」に登録するキー名\n"
    "(他のアプリケーションと重複しないようなキー名にすること)";

// Help text 9, shown by Label20.
inline constexpr std::string_view kHelp9 =
    "アンインストール時に削除するレジストリのキーを改行区切りで入力してください。対象のキーにサブキーがあってもまとめて削除します。\n"
    "削除できるレジストリキーは HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT のキーです。";

// Hints that every showing applies.
inline constexpr std::string_view kHintEditInstallDir =
    "インストール先ディレクトリの初期値を入力します。\n"
    "デフォルトで C:\\Program Files 内に指定した名前のディレクトリを作成します。\n"
    "（例えば、Tessaly と入力すると C:\\Program Files\\Tessaly というディレクトリが作成されます）\n"
    "システムドライブ(通常はCドライブ)のルートにインストール先ディレクトリを初期値で設定したい場合は、名前の頭に\\をつけてください。\n"
    "(例えば、C:\\Tessalyに設定したい場合は、\\Tessalyと入力してください。)\n"
    "インストール先ディレクトリを指定しない場合は，空欄にして下さい。\n"
    "この場合はインストール先を指定しない方のダイアログを表示します。";

inline constexpr std::string_view kHintEditInstallDirReg =
    "ユーザーが指定したインストール先ディレクトリを保存するレジストリのキーを入力します。\n"
    "このオプションを指定すると，指定したキー内にInstallDirという値を作成し，そこにインストール先ディレクトリを保存します。\n"
    "そうすることで，バージョンアップなどで再度インストーラを実行するときに，前回指定したディレクトリをレジストリから読み込んで，\n"
    "それを初期値として表示するようになります。\n"
    "指定できるレジストリキーは HKEY_CURRENT_USER および HKEY_LOCAL_MACHINE のキーのみです。\n"
    "例、HKEY_CURRENT_USER\\Software\\Tessaly\n"
    "※「インストール先ディレクトリ」を指定しない場合は，この項目は無意味です。";

// Line 2 carries on the sentence of line 1 into line 3.
inline constexpr std::string_view kHintRadioGroupFileDel =
    "通常は「削除する」で良いと思いますが，FDやCD-ROMなどからインストーラを実行するような場合や，\n"
    "配布ファイルを外部の圧縮ツールで自己解凍形式の書庫\n"
    "にした場合は，「削除しない」を指定して下さい。\n"
    "※「インストール先ディレクトリ」を指定しない場合は，この項目は無視されます。";

inline constexpr std::string_view kHintEditInstallProgram =
    "ディレクトリ指定はインストール先ディレクトリからの相対パスのみ有効です。\n"
    "この機能はWindowsの関連付けで起動しますので，実行ファイル(.exe)以外にもテキストファイルやヘルプファイルなども指定できます。\n"
    "実行ファイルを指定する場合は，起動パラメータも指定できます。その場合は，以下のように記述して下さい。\n"
    "   実行ファイル名,起動パラメータ\n"
    "実行する必要がない場合は，項目を空にして下さい。";

// Shared by the four All Users buttons.
inline constexpr std::string_view kHintRBAllUsersNoCheck =
    "「All Usersにショートカットを登録」にチェックを入れてインストールを実行した場合は，\n"
    "All Users(全ユーザー共通)のスタートメニューやデスクトップにショートカットを登録します。\n"
    "チェックを入れなかった場合は，各ユーザー固有のスタートメニューやデスクトップにショートカットを登録します。\n"
    "Windows2000/XP以降の環境でのみ有効です。(Windows9x環境の場合はこのオプションは無視されます)";

inline constexpr std::string_view kHintEditInstallMessage =
    "インストール完了後に表示されるメッセージを変更したい場合はここに記述してください。\n"
    "デフォルトの「インストールが完了しました。」で良ければ空欄にしてください。";

inline constexpr std::string_view kHintMemoGroupItem =
    "例、Velquin,Tessaly.exe\n"
    "     Velquinのヘルプ,help\\Tessaly.hlp";

inline constexpr std::string_view kHintEditUninstallKey =
    "例、Tessaly\n"
    "「アプリケーションの追加と削除」に登録しない場合は空欄にしてください。";

inline constexpr std::string_view kHintMemoRmDir =
    "ディレクトリの指定方法はファイルタブを参照してください。\n"
    "サブディレクトリも削除したい場合は，ディレクトリ名のあとにカンマを入れて1を指定して下さい。\n"
    "0を指定した場合はサブディレクトリまでは探索しません。(省略時は0と見なします)\n"
    "例、%MYDOCUMENTS%\\Tessaly,1";

inline constexpr std::string_view kHintRadioGroupNotAdmin =
    "「実行できる」を指定した場合は、アンインストーラは実行可能になりますが，\n"
    "ユーザ個別の(All Usersでない)ショートカットの削除およびユーザが指定したインストール先ディレクトリを保存する\n"
    "HKEY_CURRENT_USERのレジストリキーの削除のみ行ないます。";

// clang-format on

// The hints above by the controls that show them.
struct Hint {
  std::string_view control;
  std::string_view text;
};
inline constexpr Hint kHints[] = {
    {"EditInstallDir", kHintEditInstallDir},
    {"EditInstallDirReg", kHintEditInstallDirReg},
    {"RadioGroupFileDel", kHintRadioGroupFileDel},
    {"EditInstallProgram", kHintEditInstallProgram},
    {"RBAllUsersNoCheck", kHintRBAllUsersNoCheck},
    {"RBAllUsersCheck", kHintRBAllUsersNoCheck},
    {"RBAllUsersKotei", kHintRBAllUsersNoCheck},
    {"RBAllUsersMishiyo", kHintRBAllUsersNoCheck},
    {"EditInstallMessage", kHintEditInstallMessage},
    {"MemoGroupItem", kHintMemoGroupItem},
    {"EditUninstallKey", kHintEditUninstallKey},
    {"MemoRmDir", kHintMemoRmDir},
    {"RadioGroupNotAdmin", kHintRadioGroupNotAdmin},
};

}  // namespace velquin::ui::form2_texts
