#include "messages.h"

#include "sjis.h"

namespace velquin::messages {

std::string created(std::string_view iniFileNameUtf8) {
  return "iniファイル(" + std::string(iniFileNameUtf8) + ")を作成しました。";
}

std::string cannotCreate(std::string_view pathUtf8) {
  return "ファイル " + std::string(pathUtf8) + " を作成できません";
}

std::string notShiftJis(std::string_view fieldCaption, char32_t character) {
  return "「" + std::string(fieldCaption) + "」に Shift-JIS で表せない文字「" +
         sjis::characterToUtf8(character) +
         "」が入力されました。\rこの文字は設定ファイルに書き込めないため、入力を取り消しました。";
}

}  // namespace velquin::messages
