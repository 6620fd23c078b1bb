#include "fields.h"

namespace velquin {
namespace {

constexpr std::array<std::string_view, kTextFieldCount> kTextNames{
    "EditName",         "EditIniName",       "EditInstallTitle",   "EditInstallTextFail",
    "EditInstallDir",   "EditInstallDirReg", "EditInstallProgram", "EditInstallMessage",
    "EditGroupInfo",    "EditGroupName",     "EditStartupInfo",    "EditDesktopInfo",
    "EditUninstallKey", "EditUninstallName", "EditUninstallTitle",
};

constexpr std::array<std::string_view, kTextFieldCount> kTextCaptions{
    "アプリケーションの名前",
    "ini ファイルの名前",
    "インストール時のウィンドウタイトル",
    "インストール時に最初に表示するテキストファイルの名前",
    "インストール先ディレクトリの初期値",
    "ユーザーが指定したインストール先ディレクトリを保存するレジストリのキー",
    "インストール完了後に実行するファイルの名前",
    "インストール完了後に表示させるメッセージ",
    "スタートメニュー：ポップアップヘルプで表示する説明書き",
    "スタートメニューの「プログラム」内に作成するグループの名前",
    "スタートアップ：ポップアップヘルプで表示する説明書き",
    "デスクトップ：ポップアップヘルプで表示する説明書き",
    "「アプリケーションの追加と削除」に登録するキー名",
    "「アプリケーションの追加と削除」のリストに実際に表示される名前",
    "アンインストール時のダイアログで表示するウィンドウタイトル",
};

constexpr std::array<std::string_view, kListFieldCount> kListNames{
    "MemoFiles",       "MemoGroupItem", "MemoStartupItem",
    "MemoDesktopItem", "MemoRmDir",     "MemoUninstallRegKey",
};

constexpr std::array<std::string_view, kListFieldCount> kListCaptions{
    "インストールするファイル",
    "スタートメニューのショートカット",
    "スタートアップのショートカット",
    "デスクトップのショートカット",
    "アンインストール時に削除するディレクトリ",
    "アンインストール時に削除するレジストリのキー",
};

constexpr std::array<std::string_view, kIndexFieldCount> kIndexNames{
    "RadioGroupFileDel", "RadioGroupUninstallAll", "RadioGroupUninstallRebootDlg",
    "RadioGroupNotAdmin"};

}  // namespace

std::string_view fieldName(TextField f) { return kTextNames[static_cast<std::size_t>(f)]; }
std::string_view fieldName(ListField f) { return kListNames[static_cast<std::size_t>(f)]; }
std::string_view fieldName(IndexField f) { return kIndexNames[static_cast<std::size_t>(f)]; }
std::string_view fieldCaption(TextField f) { return kTextCaptions[static_cast<std::size_t>(f)]; }
std::string_view fieldCaption(ListField f) { return kListCaptions[static_cast<std::size_t>(f)]; }

}  // namespace velquin
