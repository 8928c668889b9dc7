// Compiled only to show that it does not compile: print/ sees its own headers and those of
// the layers below it, never a widget's.
#include "print/PageOutput.h"
#include "widgets/MsgBox.h"
