#pragma once

// The tool's own texts (UTF-8). Lines of one message are joined with a single
// line feed; a finding of the check stands on one line (oneLine).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velquin::messages {

inline constexpr std::string_view kFillMainFields =
    "「ini ファイルの名前」以外の各３項目を入力してください。";
inline constexpr std::string_view kIniNameMissing = "iniファイルの名前を指定してください。";
inline constexpr std::string_view kIniNameNotAFileName =
    "iniファイルの名前にはファイル名のみを指定してください。";
inline constexpr std::string_view kNoFileList =
    "「詳細設定」ボタンを押して、インストールするファイル名を確認してください。";
inline constexpr std::string_view kEngineMissing =
    "インストーラ本体が同梱されていないか、インストーラ本体のファイル名が間違っています。\n"
    "確認してください。";
inline constexpr std::string_view kWriteError = "ストリームへの書き込みエラー";
inline constexpr std::string_view kProgramMissing =
    "配布プログラムのファイル名を指定してください。";
inline constexpr std::string_view kSaveQuestion = "設定が変更されています。保存しますか？";

// Refusals of a program named by a drop or on the command line, and of files
// dropped on the file list.
inline constexpr std::string_view kOneProgramOnly =
    "配布プログラムとして指定できるファイルは１つだけです。";
// More than one argument at start-up.
inline constexpr std::string_view kOneArgumentOnly =
    "起動時に指定できるのは、配布プログラム（.exe ファイル）１つだけです。\n"
    "ほかのファイルは「詳細設定」のファイル一覧にドロップしてください。";
std::string programNotFound(std::string_view pathUtf8);
std::string programIsAFolder(std::string_view pathUtf8);
std::string programNotExe(std::string_view pathUtf8);
std::string dropBeforeProgram(std::string_view pathUtf8);
std::string dropOutside(std::string_view pathUtf8, std::string_view distDirUtf8);

// Where a list of names stops: "ほか N 件".
std::string more(std::size_t count);
// A text on one line: a line break after a full stop goes, any other becomes
// a blank. The check's findings are read one a line (`velquin --check`).
std::string oneLine(std::string_view text);

// "iniファイル(NAME)を作成しました。"
std::string created(std::string_view iniFileNameUtf8);
// "ファイル PATH を作成できません"
std::string cannotCreate(std::string_view pathUtf8);
// Why the system would not let Create write the settings file, on the line
// after Create's own text.
inline constexpr std::string_view kNoWritePermission = "書き込む権限がありません。";
inline constexpr std::string_view kFolderMissing = "保存先のフォルダが見つかりません。";
inline constexpr std::string_view kDiskFull = "ディスクの空き容量が足りません。";
inline constexpr std::string_view kFileInUse = "ファイルがほかのプログラムで使用中です。";
inline constexpr std::string_view kFolderInTheWay =
    "同じ名前のフォルダがあるため、ファイルを作成できません。";
inline constexpr std::string_view kWriteRefused = "システムが書き込みを受け付けませんでした。";
// The errors the check finds in the settings file Create has just written:
// how many, the first of them one a line (each as given: where it stands and
// its text), then how many more of `total` there were.
inline constexpr std::size_t kMaxErrorsShown = 5;
std::string createdWithErrors(const std::vector<std::string>& firstErrorsUtf8, std::size_t total);
// The files that the folder scan left out of the list, one a line: at most
// `kMaxNamesShown`, then how many more there were.
inline constexpr std::size_t kMaxNamesShown = 20;
std::string namesNotShiftJis(const std::vector<std::string>& namesUtf8);
// Names the field that holds a character code page 932 cannot hold.
std::string notShiftJis(std::string_view fieldCaption, char32_t character);
// Names the field whose byte that was no character (shown as U+FFFD) went:
// the author's edit put a byte after it that the engine would have read
// with it as another character.
std::string loneByteDropped(std::string_view fieldCaption);

// A settings file saved in another encoding than Shift-JIS, named as below:
// Create will write Shift-JIS, and the characters that Shift-JIS cannot hold
// (at most `kMaxNamesShown`, one a line with its code, then how many more)
// were read as "?".
inline constexpr std::string_view kShiftJis = "Shift-JIS";
inline constexpr std::string_view kUtf8 = "UTF-8";
inline constexpr std::string_view kUtf8WithMark = "BOM 付きの UTF-8";
inline constexpr std::string_view kUtf16Le = "UTF-16 LE";
inline constexpr std::string_view kUtf16Be = "UTF-16 BE";
std::string settingsFileConverted(std::string_view encodingName,
                                  const std::vector<char32_t>& notShiftJis);

// The check before shipping (ship_check.h). Names and values are UTF-8.
// Details with unsaved settings, when another program changed the settings
// file since the tool last read or wrote it: はい loads it, いいえ keeps the
// settings, キャンセル does nothing.
std::string fileChangedLoad(std::string_view pathUtf8);
// Details with unsaved settings, when the settings file is one the tool has
// not read since the program was chosen (another name in EditIniName, or a
// file made where Details found none): the same answers.
std::string unreadFileLoad(std::string_view pathUtf8);
// Create, when the settings file on disk changed since the tool last read or
// wrote it (or stands where Details found none): はい replaces it.
std::string fileChangedReplace(std::string_view pathUtf8);
// Details loading a settings file into a name or title the author typed
// since choosing the program: each field's caption with the value typed and
// the file's (UTF-8); はい keeps the typed values, いいえ takes the file's.
struct TypedValue {
  std::string caption;
  std::string typed;
  std::string inFile;
};
std::string typedOrFile(std::string_view pathUtf8, const std::vector<TypedValue>& values);

// Details, when the settings file holds lines that Create will not write back
// as they stand (round_trip.h): each line ("[Section] Key = value", or the
// line itself outside an entry; UTF-8) with its number and what it becomes
// (empty: nothing), one a line (at most `kMaxNamesShown`, then how many
// more).
struct LineNotKept {
  std::size_t line = 0;
  std::string entry;
  std::string becomes;
};
std::string linesNotKept(const std::vector<LineNotKept>& lines);

namespace ship {
std::string notInFolder(std::string_view nameUtf8);
// The program to distribute (EditProgram), gone from the distribution folder.
std::string programNotInFolder(std::string_view nameUtf8);
std::string notInstalled(std::string_view nameUtf8);
std::string iconNotInstalled(std::string_view nameUtf8);
std::string badOverwriteMode(std::string_view modeUtf8);
std::string badSubfolderMode(std::string_view modeUtf8);
std::string badIconNumber(std::string_view numberUtf8);
inline constexpr std::string_view kCommaInFileName =
    "ファイル名にカンマがあります。インストーラはカンマの後を上書きの指定として読みます。";
inline constexpr std::string_view kAddedByTheTool =
    "インストーラ本体とiniファイルは自動で追加されるため、入力しないでください。";
inline constexpr std::string_view kListedTwice = "同じファイルが一覧に複数あります。";
inline constexpr std::string_view kNoItemChosen =
    "どれも選ばれていません。「作成」では -1 と書き込まれ、インストーラはこの値を使えません。";
inline constexpr std::string_view kShortcutNeedsNameAndFile =
    "ショートカットの名前とファイル名を、カンマで区切って入力してください。";
inline constexpr std::string_view kShortcutNameCharacter =
    "ショートカットの名前に、ファイル名に使えない文字（\\ / : * ? \" < > |）があります。";
inline constexpr std::string_view kGroupNameCharacter =
    "グループの名前に、フォルダ名に使えない文字（/ : * ? \" < > |）があります。";
inline constexpr std::string_view kGroupNameBackslash =
    "グループの名前に \\ があります。\\ の前がグループ、後がその中のフォルダになります。";
inline constexpr std::string_view kNotShiftJisBytes =
    "Shift-JIS の文字として読めないバイトがあります。インストーラには文字化けして見えます。";
inline constexpr std::string_view kInstallDirRegRoot =
    "指定できるレジストリキーは HKEY_CURRENT_USER および HKEY_LOCAL_MACHINE のキーのみです。";
inline constexpr std::string_view kRegKeyRoot =
    "削除できるレジストリキーは HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT "
    "のキーです。";
inline constexpr std::string_view kBlankAtEnds =
    "値の前後の空白は、インストーラが読むときに取り除かれます。";
inline constexpr std::string_view kInQuotes =
    "値を囲む引用符は、インストーラが読むときに取り除かれます。";
// A file of the distribution folder that the file list does not hold (one
// finding for each file).
std::string notListed(std::string_view nameUtf8);
// A file of the distribution folder whose name the settings file cannot hold
// (a character code page 932 lacks, a control character), so that no line
// of the file list can name it (one finding for each file).
std::string notListable(std::string_view nameUtf8);
// A name (of the file list, a shortcut, the files to show and to open) in a
// form Windows resolves (".\a.exe", "help\\a.hlp", blanks or dots at the end
// of a name), and the form it is usually written in.
std::string unusualName(std::string_view writtenUtf8, std::string_view usualUtf8);
// The file list's fix for them: the action, and how to reach it.
inline constexpr std::string_view kAddUnlisted = "一覧にないファイルを追加";
inline constexpr std::string_view kAddUnlistedHow =
    "右クリックのメニューの「一覧にないファイルを追加」で、一覧に追加できます。";

// The settings file as it stands: its form, and entries the engine does not
// read as the author meant. Names are UTF-8; `meant` is the known name a
// misspelt one is closest to (empty when none is close).
inline constexpr std::string_view kFileUtf8 =
    "UTF-8 で保存されています。インストーラは Shift-JIS として読むため、日本語が文字化けします。";
inline constexpr std::string_view kFileUtf8WithMark =
    "先頭に BOM（バイト順マーク）のある UTF-8 で保存されています。インストーラは最初のセクションを"
    "見つけられず、日本語も文字化けします。";
inline constexpr std::string_view kFileMarkOnly =
    "先頭に BOM（バイト順マーク）があります。インストーラは最初のセクションを見つけられません。";
inline constexpr std::string_view kFileUtf16 =
    "UTF-16 で保存されています。インストーラはこのファイルの設定を読めません。";
inline constexpr std::string_view kFileEmpty = "ファイルが空です。インストーラは何も読めません。";
inline constexpr std::string_view kFileBinary =
    "テキストではないデータ（NUL "
    "などの制御文字）があります。インストーラは設定を正しく読めません。";
inline constexpr std::string_view kFileResaveAsShiftJis =
    "Shift-JIS で保存し直すか、Velquin で読み込んで「作成」し直してください。";
std::string unknownSection(std::string_view name, std::string_view meant);
std::string unknownKey(std::string_view key, std::string_view meant);
std::string badCode(std::string_view key, std::string_view value, const std::vector<int>& allowed);
// A gap in the numbered entries: the first missing number, which the engine
// reads as an empty entry; on each entry the engine does not read because of
// it, unreadAfterGap.
std::string numberMissing(int missing);
std::string unreadAfterGap(int missing);
// A shortcut entry before Item1, which the engine does not read.
inline constexpr std::string_view kBeforeFirstItem =
    "Item1 より前にあるため、インストーラはこの行を読みません。";
// A section's header, or a key of a section, that stands again: the line of
// the one the engine reads.
std::string repeatedSection(std::string_view name, std::size_t firstLine);
std::string repeatedKey(std::string_view key, std::size_t firstLine);
// The entries Create adds to [Files] that the engine does not read in the
// file, as Create writes them; empty: the engine reads that one.
std::string withoutAddedEntries(std::string_view engineEntry, std::string_view iniEntry);
// The engine's own file is not in the distribution folder: kEngineMissing,
// on one line (oneLine).

// The report of `velquin --check`.
inline constexpr std::string_view kError = "エラー";
inline constexpr std::string_view kWarning = "警告";
std::string counts(std::size_t errors, std::size_t warnings);
// Why a command of the command line reads no settings file at the path
// given (as the command line gave it): nothing is there, it cannot be read,
// or it holds no section the engine reads (a ReadMe.txt).
std::string notThere(std::string_view pathUtf8);
std::string cannotRead(std::string_view pathUtf8);
std::string notASettingsFile(std::string_view pathUtf8);
}  // namespace ship

// `velquin --add-unlisted` (add_unlisted_command.h): one line each, for the
// standard output or the error output. A place is "PATH" or "PATH:LINE";
// names and entries are UTF-8.
namespace unlisted {
// A file added to the list: its entry ("[Files] Item7 = new.dll") where it
// stands in the file written.
std::string added(std::string_view placeUtf8, std::string_view entryUtf8);
std::string nothingToAdd(std::string_view pathUtf8);
// A file of the folder left out: its name the settings file cannot hold.
std::string notListable(std::string_view pathUtf8, std::string_view nameUtf8);
// Nothing was added, and why (a reason of several lines told on one).
std::string notAdded(std::string_view placeUtf8, std::string_view why);
inline constexpr std::string_view kNotWrittenBack =
    "この行は「作成」で書き戻せません。先に直すか消してください。";
inline constexpr std::string_view kChangedSinceRead =
    "読み込んだあとで、ほかのプログラムによって変更されました。";
}  // namespace unlisted

// The installation plan (install_plan.h): its groups, the labels of its items
// and the words of their values. Names and values are UTF-8.
namespace plan {
inline constexpr std::string_view kApplication = "アプリケーション";
inline constexpr std::string_view kInstallFolder = "インストール先";
inline constexpr std::string_view kFiles = "インストールするファイル";
inline constexpr std::string_view kBeforeAndAfter = "インストールの前後";
inline constexpr std::string_view kCheckBoxes = "ユーザーに見えるチェックボックス";
inline constexpr std::string_view kShortcuts =
    "ショートカット（チェックボックスにチェックがあるとき作成）";
inline constexpr std::string_view kUninstall = "アンインストール";
inline constexpr std::string_view kOtherFindings = "その他の指摘";
// Where a finding of no item stands: "12 行目", or the file as a whole.
std::string findingPlace(std::size_t line);

// Between the parts of a value.
inline constexpr std::string_view kAnd = "、";
// Where the meanings of the entries say nothing.
inline constexpr std::string_view kNotDescribed = "説明のない指定です（インストーラの扱いは不明）";
inline constexpr std::string_view kNone = "なし";
inline constexpr std::string_view kAddedByCreate = "（作成時に追加）";
// A value the meanings do not describe, with the plan's note.
std::string notDescribed(std::string_view value);
// A code or a digit the meanings do not know.
std::string unknownCode(int code);
std::string unknownDigit(std::string_view digit);
// A radio group's item in words, or unknownCode for one it lacks.
std::string indexWords(int index, std::span<const std::string_view> words);

// Where a name lands: below the installation folder, below a placeholder's
// folder (its name without the percent signs), or a name of its own.
inline constexpr std::string_view kInstallFolderMark = "〈インストール先〉";
std::string belowInstallFolder(std::string_view name);
// The same appended to `text` (the plan of a long file list writes its lines
// so, without a string for each of their parts).
void addBelowInstallFolder(std::string& text, std::string_view name);
std::string belowPlaceholder(std::string_view variable, std::string_view rest);

inline constexpr std::string_view kName = "名前";
inline constexpr std::string_view kInstallTitle = "インストール時のウィンドウタイトル";

inline constexpr std::string_view kStartValue = "初期値";
inline constexpr std::string_view kNoInstallDir =
    "指定なし：インストール先を指定しない方のダイアログを表示し、インストール先はユーザーが選びま"
    "す";
std::string underProgramFiles(std::string_view dir);
std::string atSystemDriveRoot(std::string_view dir);
inline constexpr std::string_view kDirReg = "選ばれたフォルダの保存先";
std::string dirRegValue(std::string_view key);
inline constexpr std::string_view kSourceFiles = "インストール後のインストール元ファイル";
inline constexpr std::string_view kSourceFilesWords[] = {"削除しない", "削除する"};

// [Files].
// An overwrite digit's meaning (the order of entry_parts.h's Overwrite); one
// that is not described, kOverwrite followed by unknownDigit.
inline constexpr std::string_view kOverwriteWords[] = {
    "上書きする（省略時は 1）", "上書きしない", "上書きする", "コピー元が新しいときのみ上書き"};
inline constexpr std::string_view kOverwrite = "上書き";
inline constexpr std::string_view kEngineFile = "インストーラ本体（作成時に追加）";
inline constexpr std::string_view kSettingsFile = "この設定ファイル（作成時に追加）";
inline constexpr std::string_view kSourceNotDescribed =
    "コピー元：説明のない指定です（インストーラの扱いは不明）";
inline constexpr std::string_view kNotInFolder = "配布フォルダにありません";
std::string fileCount(std::size_t files);
std::string unknownSizes(std::size_t files);
// "40,960 バイト".
std::string size(std::uintmax_t bytes);
void addSize(std::string& text, std::uintmax_t bytes);

inline constexpr std::string_view kTextFile = "最初に表示するテキストファイル";
inline constexpr std::string_view kProgram = "完了後に開くファイル";
// The program opened at the end (where it lands) and its parameters.
std::string opened(std::string_view target, std::optional<std::string_view> parameters);
inline constexpr std::string_view kMessage = "完了メッセージ";
inline constexpr std::string_view kDefaultMessage = "インストールが完了しました。（既定）";

inline constexpr std::string_view kStartMenuBox = "スタートメニューにプログラムグループを登録";
inline constexpr std::string_view kStartupBox = "スタートアップにプログラムを登録";
inline constexpr std::string_view kDesktopBox = "デスクトップにショートカットを登録";
inline constexpr std::string_view kAllUsersBox = "All Users にショートカットを登録";
// A check box of the engine by its code.
std::string boxState(int code);
inline constexpr std::string_view kAllUsersOnly =
    "（Windows 2000/XP 以降のみ。Windows 9x では無視）";
inline constexpr std::string_view kPopupHelp = "ポップアップヘルプ";

inline constexpr std::string_view kStartMenu = "スタートメニュー";
std::string programsGroup(std::string_view groupName);
inline constexpr std::string_view kStartup = "スタートアップ";
inline constexpr std::string_view kDesktop = "デスクトップ";
inline constexpr std::string_view kNoShortcutName = "（名前なし）";
// A shortcut's target (where its file lands, or empty for none), parameters
// and icon (where its file lands or empty, its number or empty).
std::string shortcut(std::string_view target, std::string_view parameters,
                     std::string_view iconTarget, std::string_view iconNumber);

inline constexpr std::string_view kUninstallKey = "「アプリケーションの追加と削除」のキー";
inline constexpr std::string_view kUninstallName = "一覧に表示される名前";
inline constexpr std::string_view kUninstallTitle = "ダイアログのタイトル";
inline constexpr std::string_view kNotRegistered = "「アプリケーションの追加と削除」";
inline constexpr std::string_view kNotRegisteredValue = "登録しない（キーの指定なし）";
inline constexpr std::string_view kRemoved = "削除するもの";
inline constexpr std::string_view kInstalledFiles = "インストールしたファイル";
inline constexpr std::string_view kInstallFolderRemoved = "インストール先フォルダ";
inline constexpr std::string_view kInstallFolderRemovedWords[] = {"ファイルのみ削除", "すべて削除",
                                                                  "サブフォルダも含めてすべて削除"};
std::string removedFolder(std::string_view folder);
// What becomes of a removed folder's sub-folders, by its digit's meaning
// (the order of entry_parts.h's Subfolders; one not described: unknownDigit).
inline constexpr std::string_view kSubfoldersWords[] = {
    "サブフォルダは探索しない（省略時は 0）", "サブフォルダは探索しない", "サブフォルダも削除"};
inline constexpr std::string_view kRegKey = "レジストリキー";
std::string removedKey(std::string_view key);
inline constexpr std::string_view kRebootDialog = "完了後のダイアログ";
inline constexpr std::string_view kRebootDialogWords[] = {"「完了しました」のダイアログのみ",
                                                          "Windows を再起動するか確認する"};
inline constexpr std::string_view kNotAdmin = "管理者以外のユーザー（Windows 2000/XP）";
inline constexpr std::string_view kNotAdminWords[] = {
    "アンインストーラを実行できない",
    "実行できる（ユーザー個別のショートカットと、インストール先を保存した HKEY_CURRENT_USER "
    "のキーだけを削除）"};
}  // namespace plan

}  // namespace velquin::messages
