#include "system_face.h"

// Qt draws every face itself here: nothing to choose or add.
namespace velquin::app {

void chooseFontEngine() {}
void addJapaneseFaceToSystemFont() {}

}  // namespace velquin::app
