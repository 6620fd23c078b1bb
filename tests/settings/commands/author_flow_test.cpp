// A model of the author's work with the tool: random sequences of the
// commands with random answers, checking after every step that no edit the
// author made is lost without the author's word.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "settings/commands/create_command.h"
#include "settings/commands/details_command.h"
#include "settings/commands/window_commands.h"
#include "settings/format/settings_loader.h"
#include "settings/test_support.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
using T = TextField;

// Answers every question with the answer set for the step; the file dialog
// gives the program set for it.
struct ScriptedPrompts : UserPrompts {
  Answer answer = Answer::Yes;
  fs::path program;
  bool asked = false;
  void showInformation(const std::string&) override {}
  Answer confirm(const std::string&) override {
    asked = true;
    return answer;
  }
  void showError(const std::string&) override {}
  std::optional<fs::path> chooseProgramFile() override { return program; }
  void focusField(TextField) override {}
};

// The fields the author edits here, by the value last typed into each.
using Edits = std::map<TextField, std::string>;

class AuthorFlow {
 public:
  explicit AuthorFlow(const fs::path& root) {
    for (const char* name : {"one", "two"}) {
      fs::create_directories(root / name);
      test::writeBytes(root / name / "app.exe", "x");
      programs_.push_back(root / name / "app.exe");
    }
  }

  // One step; false when the tool would have lost an edit without the
  // author's word, with what was lost in `lost`.
  bool step(std::mt19937& random, std::string& lost) {
    prompts_.answer = std::array{UserPrompts::Answer::Yes, UserPrompts::Answer::No,
                                 UserPrompts::Answer::Cancel}[random() % 3];
    prompts_.asked = false;
    const fs::path program = programs_[random() % programs_.size()];
    if (dialogOpen_) {
      // The modal dialog: its fields, until the author closes it.
      if (random() % 3 == 0) {
        trace += " close-dialog";
        dialogOpen_ = false;
      } else {
        edit(random() % 2 ? T::EditInstallMessage : T::EditInstallDir, random);
      }
      return kept(lost);
    }
    const unsigned action = random() % 7;
    static constexpr std::array names{"browse", "details", "create", "close",
                                      "disk",   "edit",    "edit"};
    trace += std::string(" ") + names[action] + "(" + "YNC"[static_cast<int>(prompts_.answer)] +
             program.parent_path().filename().string() + ")";
    switch (action) {
      case 0: browse(program); break;
      case 1: details(); break;
      case 2: create(); break;
      case 3: close(); break;
      case 4: changeOnDisk(program, random()); break;
      default: edit(random() % 2 ? T::EditName : T::EditInstallTitle, random); break;
    }
    if (prompts_.asked) trace += "?";
    return kept(lost);
  }

  std::string trace;  // the steps so far, for a failure's message

 private:
  fs::path iniOf(const fs::path& program) const { return program.parent_path() / "Rivo.ini"; }

  void browse(const fs::path& program) {
    const fs::path before = s_->program();
    prompts_.program = program;
    runBrowseCommand(*s_, prompts_);
    if (s_->program() == before) {
      if (prompts_.asked && prompts_.answer == UserPrompts::Answer::No) edits_[before].clear();
      return;
    }
    // Another program: what was not written is gone, which the author
    // allowed by No, or by choosing before Details or Create ran.
    if ((prompts_.asked && prompts_.answer == UserPrompts::Answer::No) || !worked_)
      edits_[before].clear();
    anotherProgram();
  }

  // Details reads a file that the tool has not read or written since the
  // program was chosen, or that another program changed since: what it
  // holds then takes the place of the edits.
  void details() {
    const bool mayRead = !seen_ && fs::exists(iniOf(s_->program()));
    if (runDetailsCommand(*s_, prompts_).outcome != DetailsOutcome::ShowDialog) return;
    if (mayRead) edits_[s_->program()].clear();
    seen_ = seen_ || mayRead;
    worked_ = true;
    dialogOpen_ = true;
  }

  void create() {
    if (runCreateCommand(*s_, prompts_) != CreateResult::Written) return;
    trace += "[written]";
    worked_ = true;
    seen_ = true;
    created_ = true;
  }

  // The main window's close box: when it may close, the tool ends and starts
  // again on nothing.
  void close() {
    if (!runCloseQuery(*s_, prompts_)) return;
    if (prompts_.asked && prompts_.answer == UserPrompts::Answer::No) edits_[s_->program()].clear();
    if (!worked_) edits_[s_->program()].clear();
    s_ = std::make_unique<InstallSettings>();
    anotherProgram();
    trace += "[closed]";
  }

  // Another program rewrites the settings file: the next Details reads it.
  void changeOnDisk(const fs::path& program, unsigned value) {
    test::writeBytes(iniOf(program),
                     "[Install]\r\nMessage=elsewhere " + std::to_string(value) + "\r\n");
    if (program == s_->program()) {
      seen_ = false;
    } else {
      edits_[program].clear();
    }
  }

  // The application's name and the install window title typed while
  // nothing is unsaved, before Create has written the chosen program's
  // settings, are no reason to ask: closing may drop them.
  void edit(TextField field, std::mt19937& random) {
    const bool tracked = dialogOpen_ || created_ || !s_->settingsSaved();
    std::string value = "v" + std::to_string(random() % 1000);
    s_->setText(field, value);
    if (tracked) {
      edits_[s_->program()][field] = std::move(value);
    } else {
      edits_[s_->program()].erase(field);
    }
  }

  // Every edit is in the record (for the program chosen now) or in the file
  // on disk.
  bool kept(std::string& lost) const {
    for (const auto& [program, edits] : edits_) {
      if (program.empty()) continue;
      InstallSettings onDisk;
      if (fs::exists(iniOf(program)))
        loadSettings(onDisk, SettingsFile::read(iniOf(program), "Rivo.ini"));
      for (const auto& [field, value] : edits) {
        const bool inRecord = s_->program() == program && s_->text(field) == value;
        if (inRecord || onDisk.text(field) == value) continue;
        lost = std::string(fieldName(field)) + " = " + value + " of " + program.string();
        return false;
      }
    }
    return true;
  }

  // What the tool knew of the program chosen before goes with it.
  void anotherProgram() {
    worked_ = false;
    seen_ = false;
    created_ = false;
  }

  std::vector<fs::path> programs_;
  std::unique_ptr<InstallSettings> s_ = std::make_unique<InstallSettings>();
  ScriptedPrompts prompts_;
  std::map<fs::path, Edits> edits_;
  bool worked_ = false;  // Details or Create ran for the program chosen now
  bool dialogOpen_ = false;
  bool seen_ = false;     // the tool read or wrote the file as it is on disk now
  bool created_ = false;  // Create wrote the file for the program chosen now
};

TEST(AuthorFlow, NoEditIsLostWithoutTheAuthorsWord) {
  std::mt19937 random(20261209);
  for (int run = 0; run < 40; ++run) {
    test::TempDir dir;
    AuthorFlow flow(dir.path());
    for (int i = 0; i < 60; ++i) {
      std::string lost;
      ASSERT_TRUE(flow.step(random, lost))
          << "run " << run << ", step " << i << ": " << lost << "\n"
          << flow.trace;
    }
  }
}

}  // namespace
}  // namespace velquin
