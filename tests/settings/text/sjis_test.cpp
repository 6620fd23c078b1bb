#include "settings/text/sjis.h"

#include <gtest/gtest.h>

#include "settings/text/damaged_text.h"

namespace velquin::sjis {
namespace {

TEST(ShiftJis, EncodesAndDecodesCodePage932) {
  // Backslash and tilde stay themselves in code page 932; the katakana "ソ"
  // has a backslash as its second byte; half-width katakana are single bytes.
  struct Case {
    const char* utf8;
    std::string bytes;
  } cases[] = {
      {"C:\\dist\\~app", "C:\\dist\\~app"},
      {"ソ", "\x83\x5C"},
      {"表示", "\x95\x5C\x8E\xA6"},
      {"ｱ", "\xB1"},
      {"のアンインストール",
       "\x82\xCC\x83\x41\x83\x93\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B"},
      {"①", "\x87\x40"},   // an NEC special character, only in Microsoft's table
      {"～", "\x81\x60"},  // FULLWIDTH TILDE is Microsoft's 0x8160
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encode(c.utf8).value(), c.bytes) << c.utf8;
    EXPECT_EQ(decode(c.bytes).value(), c.utf8) << c.utf8;
  }
}

TEST(ShiftJis, EncodingFailsOnCharacterOutsideCodePage) {
  EncodeFailure failure;
  EXPECT_FALSE(
      encode("ab\xF0\x9F\x98\x80"
             "c",
             &failure));  // U+1F600
  EXPECT_EQ(failure.offset, 2u);
  EXPECT_EQ(failure.character, U'\U0001F600');
  // The yen sign has no code of its own; it must not become a backslash.
  EXPECT_FALSE(encode("\xC2\xA5", &failure));
  EXPECT_EQ(failure.character, U'\u00A5');
  // Malformed UTF-8 (cut off, overlong, a surrogate) is named as U+FFFD.
  for (const char* bad : {"\xE4\xB8", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    EXPECT_FALSE(encode(bad, &failure));
    EXPECT_EQ(failure.character, U'\uFFFD');
  }
  // Look-alikes with no code of their own: WAVE DASH, EM DASH, MINUS SIGN,
  // DOUBLE VERTICAL LINE, CENT SIGN, OVERLINE.
  for (const char* c : {"〜", "—", "−", "‖", "¢", "‾"}) {
    EXPECT_FALSE(encode(std::string("ok") + c, &failure)) << c;
    EXPECT_EQ(failure.offset, 2u);
  }
  // Nor do U+0080 and the private-use U+F8F0 to U+F8F3, which the Windows
  // tables would turn into the single bytes 0x80, 0xA0, 0xFD, 0xFE and 0xFF.
  for (const char* c : {"\xC2\x80", "\xEF\xA3\xB0", "\xEF\xA3\xB3"}) {
    EXPECT_FALSE(encode(std::string("ok") + c, &failure)) << c;
    EXPECT_EQ(failure.offset, 2u);
  }
}

TEST(ShiftJis, DecodingFailsOnBrokenDoubleByteCharacter) {
  DecodeFailure failure;
  EXPECT_FALSE(decode("ab\x83", &failure));  // a lead byte at the end
  EXPECT_EQ(failure.offset, 2u);
  // Single bytes that are no character, though 0x80 is a valid second byte.
  for (const char* b : {"a\x80", "a\xA0", "a\xFD", "a\xFF"}) {
    EXPECT_FALSE(decode(b, &failure)) << b;
    EXPECT_EQ(failure.offset, 1u);
  }
  EXPECT_EQ(decode("\x81\x80").value(), "÷");
}

// For display, each sequence that is no character shows as one U+FFFD and the
// characters around it stay: a byte that is none, a double-byte code the code
// page leaves empty, a lead byte before a blank (which stays) and one at the end.
TEST(ShiftJis, DisplayMarksEachBadSequenceOnce) {
  const std::string bad = "\xEF\xBF\xBD";
  EXPECT_EQ(decodeForDisplay("\x95\x5C\xFF"
                             "a\x85\x40\x83\x5C\x83 \xB1\x83"),
            "表" + bad + "a" + bad + "ソ" + bad + " ｱ" + bad);
}

// An edit of a value's shown text changes only the bytes of what changed:
// bytes that are no character (85 40 shows as U+FFFD), and characters with a
// second code (ED 40, also FA 5C), stay where the author did not touch them.
TEST(ShiftJis, EditKeepsTheBytesOfWhatTheAuthorDidNotTouch) {
  const std::string bad = "\xEF\xBF\xBD";
  struct Case {
    std::string bytes, shownNow, expected;
  };
  const Case cases[] = {
      {"a\x85\x40"
       "b",
       "a" + bad + "bc",
       "a\x85\x40"
       "bc"},  // typed at the end
      {"a\x85\x40"
       "b",
       "xa" + bad + "b",
       "xa\x85\x40"
       "b"},                                                               // at the start
      {"a\x85\x40\x85\x40", "a" + bad + "z" + bad, "a\x85\x40z\x85\x40"},  // between
      {"a\x85\x40"
       "b",
       "ab", "ab"},  // the damage deleted
      {"\xED\x40"
       "b",
       "\xE7\xBA\x8A"
       "c",
       "\xED\x40"
       "c"},                // 纊 keeps its code
      {"aaa", "aa", "aa"},  // one of equal characters
      {"", "表", "\x95\x5C"},
  };
  for (const Case& c : cases) EXPECT_EQ(encodeEdit(c.bytes, c.shownNow), c.expected) << c.shownNow;
  // Only what the author brought is refused: the damage already there is not.
  EncodeFailure failure;
  EXPECT_FALSE(encodeEdit("\x85\x40", bad + "😀", &failure));
  EXPECT_EQ(failure.character, U'😀');
  EXPECT_FALSE(encodeEdit("a", "a" + bad));
}

// Whatever the author types or deletes beside bytes that are no character,
// the value's bytes read as the field shows them: a lone lead byte that the
// edit would join to another byte goes, and the field loses its U+FFFD.
TEST(ShiftJis, EditedDamagedValueReadsAsTheFieldShows) {
  std::mt19937 random(932);
  for (int value = 0; value < 400; ++value) {
    std::string bytes = test::randomDamagedBytes(random);
    for (int step = 0; step < 6; ++step) {
      const std::string typed = test::randomEdit(random, decodeForDisplay(bytes), false);
      std::optional<std::size_t> dropped;
      const std::optional<Bytes> now = encodeEdit(bytes, typed, nullptr, &dropped);
      ASSERT_TRUE(now) << testing::PrintToString(bytes) << " to " << typed;
      std::string field = typed;
      if (dropped) {
        ASSERT_EQ(field.substr(*dropped, kNoCharacter.size()), kNoCharacter);
        field.erase(*dropped, kNoCharacter.size());
      }
      ASSERT_EQ(decodeForDisplay(*now), field) << testing::PrintToString(bytes) << " to " << typed;
      bytes = *now;
    }
  }
  // The two faults a lone lead byte brought: 81 41 reads as "、", 81 5C
  // swallows the backslash.
  std::optional<std::size_t> dropped;
  EXPECT_EQ(encodeEdit("App\x81", "App" + std::string(kNoCharacter) + "A", nullptr, &dropped),
            "AppA");
  EXPECT_EQ(dropped, 3u);
  EXPECT_EQ(encodeEdit("dir\x81", "dir" + std::string(kNoCharacter) + "\\"), "dir\\");
}

TEST(ShiftJis, ContainmentNeverStartsOnSecondByte) {
  // "ソ" is 83 5C; "\x5C" alone must not be found inside it, but is found
  // as a character of its own.
  EXPECT_FALSE(containsAtCharBoundary("\x83\x5C", "\\"));
  EXPECT_TRUE(containsAtCharBoundary("\x83\x5C\\", "\\"));
  // "ア" is 83 41: "A" (41) must not match its second byte.
  EXPECT_FALSE(containsAtCharBoundary("\x83\x41", "A"));
  EXPECT_TRUE(containsAtCharBoundary("xx\x83\x41", "\x83\x41"));
  EXPECT_TRUE(containsAtCharBoundary("abc", ""));
  EXPECT_FALSE(containsAtCharBoundary("ab", "abc"));
}

}  // namespace
}  // namespace velquin::sjis
