#pragma once
// The windows that exist, each made as the program makes it (the tables
// opened by a testsupport::WindowWorld first). A new tool window is one more
// line here.
#include <QString>
#include <QWidget>
#include <functional>

#include "app/AbForm.h"
#include "app/Form1.h"
#include "app/Hot.h"
#include "app/PictureWindow.h"
#include "data/DM.h"
#include "platform/HelpDialog.h"
#include "tools/calc/Unit9.h"
#include "tools/convert/Find.h"
#include "tools/convert/Meas.h"
#include "tools/engineering/Color_h.h"
#include "tools/engineering/Cost.h"
#include "tools/engineering/Decib.h"
#include "tools/engineering/Resist.h"
#include "tools/engineering/Unit2.h"
#include "tools/hexview/HexForm.h"
#include "tools/numbers/Ar_rom.h"
#include "tools/numbers/FormDate.h"
#include "tools/numbers/Prim.h"
#include "tools/reference/Map_k.h"
#include "tools/reference/Phis.h"
#include "tools/reference/RefTablesForm.h"
#include "tools/reference/Steel.h"
#include "tools/reference/Tabl.h"

namespace testsupport {

struct Window {
    const char* name;
    std::function<QWidget*()> make;
    bool toolGlyphs = true;  // false: the bar, whose tools have glyphs of their own
};

inline const Window kWindows[] = {
    {"bar", [] { return new TForm1; }, false},
    {"hot keys", [] { return new THot; }},
    {"About", [] { return new TAbForm; }},
    {"converter", [] { return new TMeasForm; }},
    {"finder", [] { return new TFindForm; }},
    {"graph", [] { return new TForm9; }},
    {"constants", [] { return new TPhisForm(nullptr, DM); }},
    {"reference tables", [] { return new TForm5(nullptr, DM); }},
    {"numerals", [] { return new TForm3; }},
    {"dates", [] { return new TFormDate; }},
    {"tanks", [] { return new TVolForm; }},
    {"primes", [] { return new TPrimeForm; }},
    {"steel hardness", [] { return new TSteelForm(nullptr, DM); }},
    {"resistors", [] { return new TForm6; }},
    {"radio", [] { return new TForm2; }},
    {"decibel", [] { return new TDecForm; }},
    {"rgb", [] { return new TForm4; }},
    {"periodic table", [] { return new TTableForm(nullptr, qEnvironmentVariable("KV_BIN_DIR") + "/"); }},
    {"fonts and character codes", [] { return new TMap; }},
    {"hex view", [] { return new THexForm; }},
    {"help", [] { return new platform::HelpDialog(qEnvironmentVariable("KV_SOURCE_DIR") + "/assets/help/10.html"); }},
    {"picture geometr.gif", [] { return new TPictureWindow("geometr.gif", nullptr, qEnvironmentVariable("KV_BIN_DIR") + "/"); }},
    {"picture Shoes.gif", [] { return new TPictureWindow("Shoes.gif", nullptr, qEnvironmentVariable("KV_BIN_DIR") + "/"); }},
    {"picture t_res.gif", [] { return new TPictureWindow("t_res.gif", nullptr, qEnvironmentVariable("KV_BIN_DIR") + "/"); }},
};

}  // namespace testsupport
