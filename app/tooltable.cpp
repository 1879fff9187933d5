// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tooltable.h"

#include "calculators/frm_555.h"
#include "calculators/frm_bdh.h"
#include "calculators/frm_coil.h"
#include "calculators/frm_eseries.h"
#include "calculators/frm_led.h"
#include "calculators/frm_oszt.h"
#include "calculators/frm_rc.h"
#include "calculators/frm_regulator.h"
#include "calculators/frm_rezgokor.h"
#include "calculators/frm_trafo.h"
#include "calculators/frm_wire.h"
#include "catalogs/frm_dioda.h"
#include "catalogs/frm_smd.h"
#include "catalogs/frm_szotar.h"
#include "catalogs/frm_tranzisztor.h"
#include "decoders/frm_keramia.h"
#include "decoders/frm_kondi.h"
#include "decoders/frm_r4.h"
#include "decoders/frm_r5.h"
#include "decoders/frm_smdrc.h"

namespace tooltable {
namespace {
template <class W>
ToolWindow *make()
{
    return new W;
}

constexpr auto Bar = Launcher::Toolbar;
constexpr auto Menu = Launcher::Menu;
} // namespace

const std::vector<Tool> &tools()
{
    // clang-format off
    static const std::vector<Tool> table = {
        // window             tag            caption                                                  icon launcher rescales closes factory
        {nullptr,             "Kilép",       "Kilépés a programból.",                                  1, Bar,  false, 0, nullptr},
        {"frm_trafo",         "Trafó",       "Transzformátor számítás",                                2, Bar,  true,  6, make<frm_trafo>},
        {"frm_tranzisztor",   "Tranzisztor", "Tranzisztor katalógus",                                  3, Bar,  true,  1, make<frm_tranzisztor>},
        {"frm_dioda",         "Dióda",       "Dióda katalógus",                                        4, Bar,  true,  2, make<frm_dioda>},
        {"frm_R4",            "Ellenállás",  "Ellenállás színkód",                                     5, Bar,  true,  3, make<frm_R4>},
        {"frm_keramia",       "Kerámia",     "Kerámia kondenzátorok",                                 16, Bar,  false, 12, make<frm_keramia>},
        {"frm_kondi",         "Kondi",       "Kondenzátorok",                                         17, Bar,  false, 13, make<frm_kondi>},
        {"frm_SMD",           "SMD",         "SMD aktív-alkatrészek kódjai.",                         12, Bar,  true,  10, make<frm_SMD>},
        {"frm_smdRC",         "smdRC",       "SMD passzív alkatrészek",                               14, Bar,  false, 11, make<frm_smdRC>},
        {"frm_BDH",           "BDH",         "Bináris Decimális Hexa konverter",                       6, Bar,  true,  5, make<frm_BDH>},
        {"frm_rezgokor",      "FLC",         "Rezgőkörök számítása - Au/Decibel átszámítás",           7, Bar,  true,  7, make<frm_rezgokor>},
        {"frm_oszt",          "oszt",        "Feszültségosztó - ellenállások párhuzamos kapcsolása",   8, Bar,  true,  8, make<frm_oszt>},
        {"frm_szotar",        "szotar",      "Magyar Angol Német- műszaki kisszótár",                 11, Bar,  true,  9, make<frm_szotar>},
        {nullptr,             "Névjegy",     "Névjegy",                                                9, Bar,  false, 0, nullptr},
        {nullptr,             "Help",        "Help, leírás",                                          10, Bar,  false, 0, nullptr},
        {"frm_eseries",       "act_eseries", "Szabványos ellenállásértékek (E-sorok)",                 0, Menu, true, 14, make<frm_eseries>},
        {"frm_led",           "act_led",     "LED előtét-ellenállás",                                  0, Menu, true, 15, make<frm_led>},
        {"frm_555",           "act_555",     "555 időzítő",                                            0, Menu, true, 16, make<frm_555>},
        {"frm_regulator",     "act_regulator", "Állítható feszültségszabályzó (LM317)",               0, Menu, true, 17, make<frm_regulator>},
        {"frm_rc",            "act_rc",      "RC-tag és reaktancia",                                   0, Menu, true, 18, make<frm_rc>},
        {"frm_coil",          "act_coil",    "Egyrétegű légmagos tekercs",                             0, Menu, true, 19, make<frm_coil>},
        {"frm_wire",          "act_wire",    "Huzal: AWG, átmérő, keresztmetszet",                     0, Menu, true, 20, make<frm_wire>},
        {"frm_R5",            nullptr,       nullptr,                                                  0, Launcher::None, true, 4, make<frm_R5>},
    };
    // clang-format on
    return table;
}

} // namespace tooltable
