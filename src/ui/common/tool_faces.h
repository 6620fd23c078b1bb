#pragma once

// The faces of both windows, in the order they are wanted (UTF-8). The
// layout is drawn for the first, the system's own Japanese proportional face,
// named here as Windows lists it in Japanese and in English; IPA P Gothic has
// the same proportional metrics and stands in where that face is missing.
// Windows lists a face under its name in the system's language, so the stand-
// in is asked for by its Japanese name as well (under Wine, which has no
// Microsoft fonts; asked for by the name alone, the system there offers a face
// of another kind).

#include <array>
#include <cstddef>
#include <string_view>

namespace velquin::ui {

inline constexpr std::array<std::string_view, 4> kToolFaces{"ＭＳ Ｐゴシック", "MS PGothic",
                                                            "IPAPGothic", "IPA Pゴシック"};
// The first names of kToolFaces: the system's own face.
inline constexpr std::size_t kSystemFaceNames = 2;

}  // namespace velquin::ui
