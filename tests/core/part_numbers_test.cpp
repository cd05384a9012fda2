// Makers' part numbers: each family against its data sheet, each field's codes against the
// encoding written here, every field refused with its reason, and every number written for an
// E24 value of each family's sizes read back to the facts it was written for.
#include "core/marking/any_marking.h"
#include "core/part_numbers/part_numbers.h"
#include "core/part_numbers/value_codes.h"
#include "core/value/chip_sizes.h"
#include "core/value/series.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <span>
#include <string>

using namespace vantrel;

namespace {

// "Murata GRM: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R" for each reading, joined by " | ";
// or the reason there is none.
std::string readOf(std::string_view text) {
    const marking::MarkingAnswer answer = marking::readMarking(text);
    std::string shown;
    for (const marking::MarkingReading& found : answer.readings)
        shown.append(shown.empty() ? "" : " | ")
            .append(found.maker)
            .append(found.family.empty() ? "" : " ")
            .append(found.family)
            .append(": ")
            .append(marking::valueText(found));
    return answer.readings.empty() ? "нет: " + answer.reason : shown;
}

struct Case {
    std::string_view text;
    std::string_view read;
};

void expectAll(std::span<const Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(readOf(c.text), c.read) << c.text;
}

} // namespace

// Part numbers as the data sheets print them, each with the page that shows it or its table.
TEST(PartNumbers, ReadAsTheirDataSheetsPrint) {
    const Case cases[] = {
        // Yageo RC_L V.9, p. 2 «Global part number»: size, tolerance, reel, value, L.
        {"RC0603FR-0710KL", "Yageo RC: 10 кОм ±1 %, 0603 (1608 мм)"},
        {"RC0402JR-070RL", "Yageo RC: 0 Ом, 0402 (1005 мм)"},
        {"RC0805FR-07100RL", "Yageo RC: 100 Ом ±1 %, 0805 (2012 мм)"},
        {"RC1206JR-074K7L", "Yageo RC: 4,7 кОм ±5 %, 1206 (3216 мм)"},
        {"RC0603FR-131ML", "Yageo RC: 1 МОм ±1 %, 0603 (1608 мм)"},
        // Vishay 20035, p. 1 «Part number information»; p. 1 pairs ±5 % with ±200 ppm/K.
        {"CRCW060310K0FKEA", "Vishay CRCW: 10 кОм ±1 %, ТКС ±100 ppm/°C, 0603 (1608 мм)"},
        {"CRCW08054K70JNEA", "Vishay CRCW: 4,7 кОм ±5 %, ТКС ±200 ppm/°C, 0805 (2012 мм)"},
        {"CRCW12061M00FKEA", "Vishay CRCW: 1 МОм ±1 %, ТКС ±100 ppm/°C, 1206 (3216 мм)"},
        {"CRCW04020000Z0ED", "Vishay CRCW: 0 Ом, 0402 (1005 мм)"},
        {"CRCW2512100RFKEG", "Vishay CRCW: 100 Ом ±1 %, ТКС ±100 ppm/°C, 2512 (6332 мм)"},
        // Panasonic 2015 catalog, «Explanation of part numbers», pp. 3 and 5.
        {"ERJ-3EKF1002V", "Panasonic ERJ: 10 кОм ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        {"ERJ-2GEJ103X", "Panasonic ERJ: 10 кОм ±5 %, 0,1 Вт, 0402 (1005 мм)"},
        {"ERJ-6GEYJ472V", "Panasonic ERJ: 4,7 кОм ±5 %, 0,125 Вт, 0805 (2012 мм)"},
        {"ERJ-8ENF1001V", "Panasonic ERJ: 1 кОм ±1 %, 0,25 Вт, 1206 (3216 мм)"},
        {"ERJ-3GEY0R00V", "Panasonic ERJ: 0 Ом, 0,1 Вт, 0603 (1608 мм)"},
        {"ERJ-1TYJ201U", "Panasonic ERJ: 200 Ом ±5 %, 1 Вт, 2512 (6332 мм)"},
        // UniOhm «Part numbering», its example 0805 W8 J 0103 T 5 E.
        {"0805W8J0103T5E", "UniOhm Thick Film: 10 кОм ±5 %, 0,125 Вт, 0805 (2012 мм)"},
        {"0603WAF1002T5E", "UniOhm Thick Film: 10 кОм ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        {"0402WGF1001TCE", "UniOhm Thick Film: 1 кОм ±1 %, 0,0625 Вт, 0402 (1005 мм)"},
        {"1206W4F4701T5E", "UniOhm Thick Film: 4,7 кОм ±1 %, 0,25 Вт, 1206 (3216 мм)"},
        {"0603WAJ0000T5E", "UniOhm Thick Film: 0 Ом, 0,1 Вт, 0603 (1608 мм)"},
        // Samsung RC data sheet, «Part Number Description» and its examples.
        {"RC1608F103CS", "Samsung RC: 10 кОм ±1 %, 1608 мм (0603)"},
        {"RC1005J101CS", "Samsung RC: 100 Ом ±5 %, 1005 мм (0402)"},
        {"RC0603J000CS", "Samsung RC: 0 Ом, 0603 мм (0201)"},
        {"RC1608F3302CS", "Samsung RC: 33 кОм ±1 %, 1608 мм (0603)"},
        {"RC2012J472ES", "Samsung RC: 4,7 кОм ±5 %, 2012 мм (0805)"},
        // KOA RK73H 4/27/11 «ordering information»; RK73B and RK73Z «Type designation».
        {"RK73H1JTTD1002F", "KOA RK73: 10 кОм ±1 %, 0603 (1608 мм)"},
        {"RK73H1ETTP5100F", "KOA RK73: 510 Ом ±1 %, 0402 (1005 мм)"},
        {"RK73H2ATTD4702F", "KOA RK73: 47 кОм ±1 %, 0805 (2012 мм)"},
        {"RK73H1EGTP1200D", "KOA RK73: 120 Ом ±0,5 %, 0402 (1005 мм)"},
        {"RK73B2BTTD110J", "KOA RK73: 11 Ом ±5 %, 1206 (3216 мм)"},
        {"RK73Z2BTTD", "KOA RK73: 0 Ом, 1206 (3216 мм)"},
        // Murata C02E, p. 2 «Part Numbering»; the X5R table's part numbers, without packaging.
        {"GRM188R71H104KA93D", "Murata GRM: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"GRM155R61A104KA01", "Murata GRM: 100 нФ ±10 %, 10 В, 0402 (1005 мм), X5R"},
        {"GRM188R61A105KA61", "Murata GRM: 1 мкФ ±10 %, 10 В, 0603 (1608 мм), X5R"},
        {"GRM21BR61A225KA01", "Murata GRM: 2,2 мкФ ±10 %, 10 В, 0805 (2012 мм), X5R"},
        {"GRM31CR60J226ME20", "Murata GRM: 22 мкФ ±20 %, 6,3 В, 1206 (3216 мм), X5R"},
        {"GRM55DR61H106KA01", "Murata GRM: 10 мкФ ±10 %, 50 В, 2220 (5750 мм), X5R"},
        // Samsung MLCC catalog, «Part Numbering System», and the catalog's own example.
        {"CL10B104KB8NNNC", "Samsung CL: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"CL10A106MP8NNNC", "Samsung CL: 10 мкФ ±20 %, 10 В, 0603 (1608 мм), X5R"},
        {"CL05B104KO5NNNC", "Samsung CL: 100 нФ ±10 %, 16 В, 0402 (1005 мм), X7R"},
        {"CL21B106KOQNNNE", "Samsung CL: 10 мкФ ±10 %, 16 В, 0805 (2012 мм), X7R"},
        {"CL31B106KPHNNNE", "Samsung CL: 10 мкФ ±10 %, 10 В, 1206 (3216 мм), X7R"},
        // Yageo CC «Ordering information - global part number».
        {"CC0603KRX7R9BB104", "Yageo CC: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"CC0402KRX7R7BB103", "Yageo CC: 10 нФ ±10 %, 16 В, 0402 (1005 мм), X7R"},
        {"CC0805KRX7R9BB104", "Yageo CC: 100 нФ ±10 %, 50 В, 0805 (2012 мм), X7R"},
        {"CC1206KKX7R0BB104", "Yageo CC: 100 нФ ±10 %, 100 В, 1206 (3216 мм), X7R"},
        {"CC0603JRNPO9BN101", "Yageo CC: 100 пФ ±5 %, 50 В, 0603 (1608 мм), C0G"},
        // TDK «Catalog number construction».
        {"C1608X7R1H104K080AA", "TDK C: 100 нФ ±10 %, 50 В, 1608 мм (0603), X7R"},
        {"C1005X7R1H103K050BB", "TDK C: 10 нФ ±10 %, 50 В, 1005 мм (0402), X7R"},
        {"C2012X7R1H104K125AA", "TDK C: 100 нФ ±10 %, 50 В, 2012 мм (0805), X7R"},
        {"C3216X7R1H105K160AB", "TDK C: 1 мкФ ±10 %, 50 В, 3216 мм (1206), X7R"},
        {"C1005C0G1H101J050BA", "TDK C: 100 пФ ±5 %, 50 В, 1005 мм (0402), C0G"},
        // KEMET C1019_X7R_SMD «Ordering Information».
        {"C0603C104K5RACTU", "KEMET C: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"C0805C105K4RACTU", "KEMET C: 1 мкФ ±10 %, 16 В, 0805 (2012 мм), X7R"},
        {"C0402C103K5RACTU", "KEMET C: 10 нФ ±10 %, 50 В, 0402 (1005 мм), X7R"},
        {"C1206C106K4PACTU", "KEMET C: 10 мкФ ±10 %, 16 В, 1206 (3216 мм), X5R"},
        {"C0603C101J5GAC7411", "KEMET C: 100 пФ ±5 %, 50 В, 0603 (1608 мм), C0G"},
        // AVX «How to order».
        {"06035C104KAT2A", "AVX MLCC: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"08055C104KAT2A", "AVX MLCC: 100 нФ ±10 %, 50 В, 0805 (2012 мм), X7R"},
        {"04023C103KAT2A", "AVX MLCC: 10 нФ ±10 %, 25 В, 0402 (1005 мм), X7R"},
        {"0603YC104KAT2A", "AVX MLCC: 100 нФ ±10 %, 16 В, 0603 (1608 мм), X7R"},
        {"08051A101JAT2A", "AVX MLCC: 100 пФ ±5 %, 100 В, 0805 (2012 мм), C0G"},
        // AVX version 13.6, TAJ «How to order» and «Case dimensions».
        {"TAJA106K016RNJ", "AVX TAJ: 10 мкФ ±10 %, 16 В, корпус 3216-18"},
        {"TAJB226K016RNJ", "AVX TAJ: 22 мкФ ±10 %, 16 В, корпус 3528-21"},
        {"TAJC107K010RNJ", "AVX TAJ: 100 мкФ ±10 %, 10 В, корпус 6032-28"},
        {"TAJD476K025RNJ", "AVX TAJ: 47 мкФ ±10 %, 25 В, корпус 7343-31"},
        {"TAJE227M016RNJ", "AVX TAJ: 220 мкФ ±20 %, 16 В, корпус 7343-43"},
        // KEMET T491 ratings table (20 V) and «Ordering Information».
        {"T491A155K020AS", "KEMET T491: 1,5 мкФ ±10 %, 20 В, корпус 3216-18"},
        {"T491B225M020AS", "KEMET T491: 2,2 мкФ ±20 %, 20 В, корпус 3528-21"},
        {"T491C475K020AS", "KEMET T491: 4,7 мкФ ±10 %, 20 В, корпус 6032-28"},
        {"T491X686K020AS", "KEMET T491: 68 мкФ ±10 %, 20 В, корпус 7343-43"},
        {"T491A106K016AT", "KEMET T491: 10 мкФ ±10 %, 16 В, корпус 3216-18"},
        {"T491S226M004AT7280", "KEMET T491: 22 мкФ ±20 %, 4 В, корпус 3216-12"},
        // Murata JELF243B-9101L-01 «Rating», and the LQG15HS and LQG18HN series.
        {"LQG15HH1N0B02D", "Murata LQG: 1 нГн ±0,1 нГн, 0402 (1005 мм)"},
        {"LQG15HH2N2S02D", "Murata LQG: 2,2 нГн ±0,3 нГн, 0402 (1005 мм)"},
        {"LQG15HH6N8G02D", "Murata LQG: 6,8 нГн ±2 %, 0402 (1005 мм)"},
        {"LQG15HS10NJ02D", "Murata LQG: 10 нГн ±5 %, 0402 (1005 мм)"},
        {"LQG18HNR10J00D", "Murata LQG: 100 нГн ±5 %, 0603 (1608 мм)"},
        // Yageo AC V.9, p. 2 «Global part number»; J is the jumpers' tolerance.
        {"AC0603FR-0710KL", "Yageo AC: 10 кОм ±1 %, 0603 (1608 мм)"},
        {"AC0402JR-070RL", "Yageo AC: 0 Ом, 0402 (1005 мм)"},
        {"AC2512FK-7W10RL", "Yageo AC: 10 Ом ±1 %, 2512 (6332 мм)"},
        // TE 1773204: the part numbers its data sheets are filed under, the power per size.
        {"CRG0805F0K332", "TE CRG: 332 Ом ±1 %, 0,125 Вт, 0805 (2012 мм)"},
        {"CRG0402J100K", "TE CRG: 100 кОм ±5 %, 0,0625 Вт, 0402 (1005 мм)"},
        {"CRG0805F130K", "TE CRG: 130 кОм ±1 %, 0,125 Вт, 0805 (2012 мм)"},
        // Panasonic anti-surge data sheets: their examples and the types' power.
        {"ERJ-P06D1002V", "Panasonic ERJ: 10 кОм ±0,5 %, 0,5 Вт, 0805 (2012 мм)"},
        {"ERJ-PA3J160V", "Panasonic ERJ: 16 Ом ±5 %, 0,25 Вт, 0603 (1608 мм)"},
        {"ERJ-P08J152V", "Panasonic ERJ: 1,5 кОм ±5 %, 0,66 Вт, 1206 (3216 мм)"},
        {"ERJ-UP6D1002V", "Panasonic ERJ: 10 кОм ±0,5 %, 0,5 Вт, 0805 (2012 мм)"},
        // The precision types' sheet, its example.
        {"ERJ-3RBD6811V", "Panasonic ERJ: 6,81 кОм ±0,5 %, ТКС ±50 ppm/°C, 0,1 Вт, 0603 (1608 мм)"},
        {"ERJ-2RHD1002X", "Panasonic ERJ: 10 кОм ±0,5 %, ТКС ±50 ppm/°C, 0,063 Вт, 0402 (1005 мм)"},
        // UniOhm's catalogue, «Ordering procedure»: J, K, L below one; S the small size.
        {"0402WGF499JTCE", "UniOhm Thick Film: 49,9 Ом ±1 %, 0,0625 Вт, 0402 (1005 мм)"},
        {"0603SAF5101T5E", "UniOhm Thick Film: 5,1 кОм ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        {"1206S4J0100T5E", "UniOhm Thick Film: 10 Ом ±5 %, 0,25 Вт, 1206 (3216 мм)"},
        {"0603WAJ012JT5E", "UniOhm Thick Film: 1,2 Ом ±5 %, 0,1 Вт, 0603 (1608 мм)"},
        {"0603WAF226KT5E", "UniOhm Thick Film: 2,26 Ом ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        // KEMET C1009 p. 1: 2,2 пФ is 229, 0,5 пФ 508; the HV X7R automotive sheet's number.
        {"C1206C229CCGACTU", "KEMET C: 2,2 пФ ±0,25 пФ, 500 В, 1206 (3216 мм), C0G"},
        {"C0805C508C5GACTU", "KEMET C: 0,5 пФ ±0,25 пФ, 50 В, 0805 (2012 мм), C0G"},
        {"C1210C104MBRACAUTO", "KEMET C: 100 нФ ±20 %, 630 В, 1210 (3225 мм), X7R"},
        // AVX TAJ «How to order»'s example; the automotive range's reel.
        {"TAJC106M035RNJ", "AVX TAJ: 10 мкФ ±20 %, 35 В, корпус 6032-28"},
        {"TAJB226K016TNJV", "AVX TAJ: 22 мкФ ±10 %, 16 В, корпус 3528-21"},
        // Murata GCM, numbered as GRM.
        {"GCM188R71H104KA57D", "Murata GCM: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        // Panasonic «Explanation of part numbers», both systems.
        {"EEU-FR1C102", "Panasonic EEU: 1000 мкФ, 16 В"},
        {"ECA-1HM100", "Panasonic ECA: 10 мкФ, 50 В"},
        {"ECA-1HHG471", "Panasonic ECA: 470 мкФ, 50 В"},
        {"EEU-FK1V182L", "Panasonic EEU: 1800 мкФ, 35 В"},
        {"EEU-FC1E4R7B", "Panasonic EEU: 4,7 мкФ, 25 В"},
        {"EEE-FK1V101P", "Panasonic EEE: 100 мкФ, 35 В"},
        // Nichicon «Type numbering system» examples of the VR, HE, ET, RU and USP pages.
        {"UVR1A331MED", "Nichicon: 330 мкФ ±20 %, 10 В"},
        {"UHE1A102MPD", "Nichicon: 1000 мкФ ±20 %, 10 В"},
        {"UET1A470MED", "Nichicon: 47 мкФ ±20 %, 10 В"},
        {"URU1A222MHD", "Nichicon: 2200 мкФ ±20 %, 10 В"},
        {"USP1A330MDD", "Nichicon: 33 мкФ ±20 %, 10 В"},
        // Rubycon's catalogue examples and RER-211701; the can as the number writes it.
        {"16YXF1000MEFC10X20", "Rubycon: 1000 мкФ ±20 %, 16 В, 10×20 мм"},
        {"50PX2R2M5X11", "Rubycon: 2,2 мкФ ±20 %, 50 В, 5×11 мм"},
        {"35ZLH220MTTIT78X11.5", "Rubycon: 220 мкФ ±20 %, 35 В, 8×11,5 мм"},
        {"6.3ZL1000M10X16", "Rubycon: 1000 мкФ ±20 %, 6,3 В, 10×16 мм"},
        {"50PX0R47M5X11", "Rubycon: 470 нФ ±20 %, 50 В, 5×11 мм"},
        // Vishay 40002 «Ordering information»'s example, and the cases of the older sheet.
        {"293D107X9010D2WE3", "Vishay 293D: 100 мкФ ±10 %, 10 В, корпус 7343-31"},
        {"293D106X0016B2TE3", "Vishay 293D: 10 мкФ ±20 %, 16 В, корпус 3528-21"},
        {"293D475X96R3A8T", "Vishay 293D: 4,7 мкФ ±10 %, 6,3 В, корпус 3216-18"},
        // Murata's LQM18PH, LQM2MPN and LQH3NP_J0 rating rows.
        {"LQM18PHR22MFRL", "Murata LQM: 220 нГн ±20 %, 0603 (1608 мм)"},
        {"LQM2MPN2R2MEHL", "Murata LQM: 2,2 мкГн ±20 %"},
        {"LQH3NPN100MJ0L", "Murata LQH: 10 мкГн ±20 %"},
        {"LQH3NPN1R0NJ0K", "Murata LQH: 1 мкГн ±30 %"},
        // Bourns' tables of parts: SRR1280A, SRR1210A, SRP7028A.
        {"SRR1280A-4R7Y", "Bourns SRR: 4,7 мкГн ±30 %"},
        {"SRR1280A-102K", "Bourns SRR: 1 мГн ±10 %"},
        {"SRR1210A-100M", "Bourns SRR: 10 мкГн ±20 %"},
        {"SRP7028A-R10M", "Bourns SRP: 100 нГн ±20 %"},
        // Sunlord SWPA «Product Identification».
        {"SWPA4030S4R7MT", "Sunlord SWPA: 4,7 мкГн ±20 %"},
        {"SWPA8065S101MT", "Sunlord SWPA: 100 мкГн ±20 %"},
        // ROHM MCR 2017.12 Rev.O «Part number description» and its examples; ESR, KTR.
        {"MCR03EZPFX1002", "ROHM MCR: 10 кОм ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        {"MCR006YRTJ100", "ROHM MCR: 10 Ом ±5 %, 0,05 Вт, 0201 (0603 мм)"},
        {"MCR03EZPJ000", "ROHM MCR: 0 Ом, 0,1 Вт, 0603 (1608 мм)"},
        {"MCR10EZPF10R0", "ROHM MCR: 10 Ом ±1 %, 0,125 Вт, 0805 (2012 мм)"},
        {"MCR18EZPJ225", "ROHM MCR: 2,2 МОм ±5 %, 1206 (3216 мм)"},
        {"ESR10EZPJ100", "ROHM ESR: 10 Ом ±5 %, 0,4 Вт, 0805 (2012 мм)"},
        {"ESR03EZPF1203", "ROHM ESR: 120 кОм ±1 %, 0,25 Вт, 0603 (1608 мм)"},
        {"KTR03EZPF7501", "ROHM KTR: 7,5 кОм ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        // Panasonic AOA0000C237 «Explanation of Part Numbers»: 102 and 1051.
        {"ERA-3AEB103V", "Panasonic ERA: 10 кОм ±0,1 %, ТКС ±25 ppm/°C, 0,1 Вт, 0603 (1608 мм)"},
        {"ERA3AEB1051V", "Panasonic ERA: 1,05 кОм ±0,1 %, ТКС ±25 ppm/°C, 0,1 Вт, 0603 (1608 мм)"},
        {"ERA-2AED31R6X",
         "Panasonic ERA: 31,6 Ом ±0,5 %, ТКС ±25 ppm/°C, 0,063 Вт, 0402 (1005 мм)"},
        // Yageo RT V.6, p. 2: its example and the TCR letters.
        {"RT0603DRE0756RL", "Yageo RT: 56 Ом ±0,5 %, ТКС ±50 ppm/°C, 0603 (1608 мм)"},
        {"RT0603BRD0710KL", "Yageo RT: 10 кОм ±0,1 %, ТКС ±25 ppm/°C, 0603 (1608 мм)"},
        // Taiyo Yuden, page 38 «Ordering code».
        {"JMK316BJ106ML-T", "Taiyo Yuden MLCC: 10 мкФ ±20 %, 6,3 В, 1206 (3216 мм), X5R"},
        {"EMK107BJ105KA-T", "Taiyo Yuden MLCC: 1 мкФ ±10 %, 16 В, 0603 (1608 мм), X5R"},
        {"TMK212BJ106KG-T", "Taiyo Yuden MLCC: 10 мкФ ±10 %, 25 В, 0805 (2012 мм), X5R"},
        // Walsin 001U_AS, p. 2 «How to order».
        {"1206F104Z500CT", "Walsin MLCC: 100 нФ +80/-20 %, 50 В, 1206 (3216 мм), Y5V"},
        {"0603B104K500CT", "Walsin MLCC: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"0402N1R0C500CT", "Walsin MLCC: 1 пФ ±0,25 пФ, 50 В, 0402 (1005 мм), C0G"},
        // Würth: each order code's own data sheet.
        {"885012206071", "Würth WCAP-CSGP: 100 нФ ±10 %, 25 В, 0603 (1608 мм), X7R"},
        {"885012206052", "Würth WCAP-CSGP: 1 мкФ ±10 %, 16 В, 0603 (1608 мм), X7R"},
        {"74404041470", "Würth WE-LQS: 47 мкГн ±20 %"},
        {"74477030", "Würth WE-PD: 1 мГн ±20 %"},
        {"74458168", "Würth WE-PD4: 68 мкГн ±20 %"},
        {"7445530", "Würth WE-PD4: 1 мГн ±20 %"},
        {"74479774147", "Würth WE-PMI: 470 нГн ±20 %, 0805 (2012 мм)"},
        {"784776112", "Würth WE-PD2A: 12 мкГн ±10 %"},
        {"885012206099", "нет: "},
        // Stackpole's part search: one value in three packagings, and a jumper.
        {"RMCF0603FT10K0", "Stackpole RMCF: 10 кОм ±1 %, 0603 (1608 мм)"},
        {"RMCF0603FG10K0", "Stackpole RMCF: 10 кОм ±1 %, 0603 (1608 мм)"},
        {"RMCF0402JT1K20", "Stackpole RMCF: 1,2 кОм ±5 %, 0402 (1005 мм)"},
        {"RMCF0603ZT0R00", "Stackpole RMCF: 0 Ом, 0603 (1608 мм)"},
        {"RMCF01005FT100K", "Stackpole RMCF: 100 кОм ±1 %, 01005 (0402 мм)"},
        // AVX's part builder: the largest of 1210 at 6,3 V.
        {"12106C476KAT2A", "AVX MLCC: 47 мкФ ±10 %, 6,3 В, 1210 (3225 мм), X7R"},
    };
    expectAll(cases);
}

// As parts lists and distributors write them: either case, hyphens and spaces anywhere, a
// distributor's number before; and texts that merely start like a family are left alone.
TEST(PartNumbers, AsListsWriteThem) {
    const Case cases[] = {
        {"grm188r71h104ka93d", "Murata GRM: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"81-GRM188R71H104KA93D", "Murata GRM: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        {"667-ERJ-3EKF1002V", "Panasonic ERJ: 10 кОм ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        {"RC0603FR0710KL", "Yageo RC: 10 кОм ±1 %, 0603 (1608 мм)"},
        {"RC0603FR-07 10KL", "Yageo RC: 10 кОм ±1 %, 0603 (1608 мм)"},
        {"RC0603FR-071KL", "Yageo RC: 1 кОм ±1 %, 0603 (1608 мм)"},
        {"RC0603FR-071K0L", "Yageo RC: 1 кОм ±1 %, 0603 (1608 мм)"},
        {"RC4558", "нет: "},
        {"12345-GRM188R71H104KA93D", "нет: "},
        {"RC0603", "нет: "},
        {"C0805", "нет: "},
    };
    expectAll(cases);
}

// Each field's codes, read in a part number that is otherwise the data sheet's example, against
// what the maker's table says they mean.
TEST(PartNumbers, FieldCodesMeanWhatTheirTablesSay) {
    const struct {
        std::string_view pattern; // "_" where the code goes
        std::string_view code;
        std::string_view fact; // in the reading's value line
    } rows[] = {
        {"GRM18_R71H104KA01D", "8", "0603"},
        {"GRM_8R71H104KA01D", "02", "01005"},
        {"GRM_3R71H104KA01D", "03", "0201"},
        {"GRM_5R71H104KA01D", "15", "0402"},
        {"GRM_BR71H104KA01D", "21", "0805"},
        {"GRM_CR71H104KA01D", "31", "1206"},
        {"GRM_ER71H104KA01D", "32", "1210"},
        {"GRM_ER71H104KA01D", "43", "1812"},
        {"GRM_DR71H104KA01D", "55", "2220"},
        {"GRM188_1H104KA01D", "5C", "C0G"},
        {"GRM188_1H104KA01D", "R6", "X5R"},
        {"GRM188_1H104KA01D", "C7", "X7S"},
        {"GRM188_1H104KA01D", "D7", "X7T"},
        {"GRM188_1H104KA01D", "C8", "X6S"},
        {"GRM188_1H104KA01D", "C6", "X5S"},
        {"GRM188_1H104KA01D", "E7", "X7U"},
        {"GRM188_1H104KA01D", "F5", "Y5V"},
        {"GRM188R7_104KA01D", "0E", "2,5 В"},
        {"GRM188R7_104KA01D", "0G", "4 В"},
        {"GRM188R7_104KA01D", "0J", "6,3 В"},
        {"GRM188R7_104KA01D", "1A", "10 В"},
        {"GRM188R7_104KA01D", "1C", "16 В"},
        {"GRM188R7_104KA01D", "1E", "25 В"},
        {"GRM188R7_104KA01D", "YA", "35 В"},
        {"GRM188R7_104KA01D", "1V", "35 В"},
        {"GRM188R7_104KA01D", "2A", "100 В"},
        {"GRM188R7_104KA01D", "2D", "200 В"},
        {"GRM188R7_104KA01D", "2E", "250 В"},
        {"GRM188R7_104KA01D", "2W", "450 В"},
        {"GRM188R7_104KA01D", "2J", "630 В"},
        {"GRM188R7_104KA01D", "3A", "1 кВ"},
        {"GRM188R7_104KA01D", "3D", "2 кВ"},
        {"GRM188R7_104KA01D", "3F", "3,15 кВ"},
        {"GRM1885C1H1R0_A01D", "W", "±0,05 пФ"},
        {"GRM1885C1H1R0_A01D", "B", "±0,1 пФ"},
        {"GRM1885C1H1R0_A01D", "C", "±0,25 пФ"},
        {"GRM1885C1H1R0_A01D", "D", "±0,5 пФ"},
        {"GRM188R71H104_A01D", "F", "±1 %"},
        {"GRM188R71H104_A01D", "G", "±2 %"},
        {"GRM188R71H104_A01D", "J", "±5 %"},
        {"GRM188R71H104_A01D", "M", "±20 %"},
        {"GRM188F51H104_A01D", "Z", "+80/-20 %"},
        {"CL10B104K_8NNNC", "S", "2,5 В"},
        {"CL10B104K_8NNNC", "R", "4 В"},
        {"CL10B104K_8NNNC", "Q", "6,3 В"},
        {"CL10B104K_8NNNC", "P", "10 В"},
        {"CL10B104K_8NNNC", "O", "16 В"},
        {"CL10B104K_8NNNC", "A", "25 В"},
        {"CL10B104K_8NNNC", "L", "35 В"},
        {"CL10B104K_8NNNC", "C", "100 В"},
        {"CL10B104K_8NNNC", "D", "200 В"},
        {"CL10B104K_8NNNC", "E", "250 В"},
        {"CL10B104K_8NNNC", "G", "500 В"},
        {"CL10B104K_8NNNC", "H", "630 В"},
        {"CL10B104K_8NNNC", "I", "1 кВ"},
        {"CL10B104K_8NNNC", "J", "2 кВ"},
        {"CL10B104K_8NNNC", "K", "3 кВ"},
        {"CL10_104KB8NNNC", "C", "C0G"},
        {"CL10_104KB8NNNC", "A", "X5R"},
        {"CL10_104KB8NNNC", "F", "Y5V"},
        {"CL10_104KB8NNNC", "X", "X6S"},
        {"CL10_104KB8NNNC", "Y", "X7S"},
        {"CL10_104KB8NNNC", "Z", "X7T"},
        {"CL_B104KB8NNNC", "02", "01005"},
        {"CL_B104KB8NNNC", "03", "0201"},
        {"CL_B104KB8NNNC", "05", "0402"},
        {"CL_B104KB8NNNC", "21", "0805"},
        {"CL_B104KB8NNNC", "31", "1206"},
        {"CL_B104KB8NNNC", "32", "1210"},
        {"CL_B104KB8NNNC", "43", "1812"},
        {"CL_B104KB8NNNC", "55", "2220"},
        {"CC0603KRX7R_BB104", "4", "4 В"},
        {"CC0603KRX7R_BB104", "5", "6,3 В"},
        {"CC0603KRX7R_BB104", "6", "10 В"},
        {"CC0603KRX7R_BB104", "7", "16 В"},
        {"CC0603KRX7R_BB104", "8", "25 В"},
        {"CC0603KRX7R_BB104", "0", "100 В"},
        {"CC0603KRX7R_BB104", "A", "200 В"},
        {"CC0603KRX7R_BB104", "Y", "250 В"},
        {"CC0603KRX7R_BB104", "B", "500 В"},
        {"CC0603KRX7R_BB104", "Z", "630 В"},
        {"CC0603KRX7R_BB104", "C", "1 кВ"},
        {"CC0603KRX7R_BB104", "D", "2 кВ"},
        {"CC0603KRX7R_BB104", "E", "3 кВ"},
        {"CC0603KR_9BB104", "X5R", "X5R"},
        {"CC0603KR_9BB104", "Y5V", "Y5V"},
        {"CC0603KR_9BB104", "X7S", "X7S"},
        {"CC0603KR_9BB104", "X6S", "X6S"},
        {"CC_KRX7R9BB104", "0201", "0201"},
        {"CC_KRX7R9BB104", "1210", "1210"},
        {"CC_KRX7R9BB104", "1812", "1812"},
        {"C1608X7R_104K080AA", "0G", "4 В"},
        {"C1608X7R_104K080AA", "0J", "6,3 В"},
        {"C1608X7R_104K080AA", "1A", "10 В"},
        {"C1608X7R_104K080AA", "1C", "16 В"},
        {"C1608X7R_104K080AA", "1E", "25 В"},
        {"C1608X7R_104K080AA", "1V", "35 В"},
        {"C1608X7R_104K080AA", "1N", "75 В"},
        {"C1608X7R_104K080AA", "2A", "100 В"},
        {"C1608X7R_104K080AA", "2D", "200 В"},
        {"C1608X7R_104K080AA", "2E", "250 В"},
        {"C1608X7R_104K080AA", "2W", "450 В"},
        {"C1608X7R_104K080AA", "2J", "630 В"},
        {"C1608X7R_104K080AA", "3A", "1 кВ"},
        {"C1608_1H104K080AA", "X7S", "X7S"},
        {"C1608_1H104K080AA", "X6S", "X6S"},
        {"C1608_1H104K080AA", "X7T", "X7T"},
        {"C1608_1H104K080AA", "X8R", "X8R"},
        {"C_X7R1H104K020AA", "0402", "01005"},
        {"C_X7R1H104K030AA", "0603", "0201"},
        {"C_X7R1H104K250AA", "3225", "1210"},
        {"C_X7R1H104K320AA", "4532", "1812"},
        {"C_X7R1H104K280AA", "5750", "2220"},
        {"C0603C104K_RACTU", "9", "6,3 В"},
        {"C0603C104K_RACTU", "8", "10 В"},
        {"C0603C104K_RACTU", "3", "25 В"},
        {"C0603C104K_RACTU", "6", "35 В"},
        {"C0603C104K_RACTU", "1", "100 В"},
        {"C0603C104K_RACTU", "2", "200 В"},
        {"C0603C104K_RACTU", "A", "250 В"},
        {"C0603C104K5_ACTU", "V", "Y5V"},
        {"0603_C104KAT2A", "4", "4 В"},
        {"0603_C104KAT2A", "6", "6,3 В"},
        {"0603_C104KAT2A", "Z", "10 В"},
        {"0603_C104KAT2A", "3", "25 В"},
        {"0603_C104KAT2A", "D", "35 В"},
        {"0603_C104KAT2A", "1", "100 В"},
        {"0603_C104KAT2A", "2", "200 В"},
        {"0603_C104KAT2A", "7", "500 В"},
        {"06035_104KAT2A", "D", "X5R"},
        {"06035_104KAT2A", "G", "Y5V"},
        {"TAJ_106K016RNJ", "C", "6032-28"},
        {"TAJ_106K016RNJ", "V", "7361-38"},
        {"TAJ_106K016RNJ", "R", "2012-12"},
        {"TAJ_106K016RNJ", "P", "2012-15"},
        {"TAJ_106K016RNJ", "S", "3216-12"},
        {"TAJ_106K016RNJ", "T", "3528-12"},
        {"TAJ_106K016RNJ", "W", "6032-15"},
        {"TAJ_106K016RNJ", "Y", "7343-20"},
        {"TAJ_106K016RNJ", "X", "7343-15"},
        {"TAJA106_016RNJ", "J", "±5 %"},
        {"TAJA106K_RNJ", "002", "2,5 В"},
        {"TAJA106K_RNJ", "004", "4 В"},
        {"TAJA106K_RNJ", "006", "6,3 В"},
        {"TAJA106K_RNJ", "010", "10 В"},
        {"TAJA106K_RNJ", "020", "20 В"},
        {"TAJA106K_RNJ", "025", "25 В"},
        {"TAJA106K_RNJ", "035", "35 В"},
        {"TAJA106K_RNJ", "050", "50 В"},
        {"T491_106K016AT", "D", "7343-31"},
        {"T491_106K016AT", "E", "7360-38"},
        {"T491_106K016AT", "T", "3528-12"},
        {"T491_106K016AT", "U", "6032-15"},
        {"T491_106K016AT", "V", "7343-20"},
        {"T491A106K_AT", "006", "6,3 В"},
        {"T491A106K_AT", "010", "10 В"},
        {"T491A106K_AT", "035", "35 В"},
        {"T491A106K_AT", "050", "50 В"},
        {"T491A106K_AT", "025", "25 В"},
        {"RC_FR-0710KL", "0100", "01005"},
        {"RC_FR-0710KL", "1210", "1210"},
        {"RC_FR-0710KL", "2010", "2010"},
        {"RC_FR-0710KL", "2512", "2512"},
        {"RC0603_R-0710KL", "B", "±0,1 %"},
        {"RC0603_R-0710KL", "D", "±0,5 %"},
        {"CRCW_10K0FKEA", "0201", "0201"},
        {"CRCW_10K0FKEA", "1210", "1210"},
        {"CRCW_10K0FKEA", "2010", "2010"},
        {"CRCW060310K0_KEA", "D", "±0,5 %"},
        {"ERJ-_J103Y", "XGN", "0,031 Вт, 01005"},
        {"ERJ-_J103C", "1GE", "0,05 Вт, 0201"},
        {"ERJ-_J103V", "8GEY", "0,25 Вт, 1206"},
        {"ERJ-_J103U", "14Y", "0,5 Вт, 1210"},
        {"ERJ-_J103U", "12Y", "0,75 Вт, 1812"},
        {"ERJ-_J103U", "12ZY", "0,75 Вт, 2010"},
        {"ERJ-_F1002C", "1GN", "0,05 Вт, 0201"},
        {"ERJ-_F1002X", "2RK", "0,1 Вт, 0402"},
        {"ERJ-_F1002V", "6EN", "0,125 Вт, 0805"},
        {"ERJ-_F1002U", "14N", "0,5 Вт, 1210"},
        {"ERJ-_F1002U", "12N", "0,75 Вт, 1812"},
        {"ERJ-_F1002U", "12S", "0,75 Вт, 2010"},
        {"ERJ-_F1002U", "1TN", "1 Вт, 2512"},
        {"ERJ-3EK_1002V", "D", "±0,5 %"},
        {"0603_F1002T5E", "WH", "0,03125 Вт"},
        {"0603_F1002T5E", "WM", "0,05 Вт"},
        {"0603_F1002T5E", "W2", "0,5 Вт"},
        {"0603_F1002T5E", "07", "0,75 Вт"},
        {"0603_F1002T5E", "1W", "1 Вт"},
        {"0603WA_1002T5E", "D", "±0,5 %"},
        {"0603WA_0103T5E", "G", "±2 %"},
        {"_WAF1002T5E", "0201", "0201"},
        {"_WAF1002T5E", "1210", "1210"},
        {"_WAF1002T5E", "1812", "1812"},
        {"_WAF1002T5E", "2010", "2010"},
        {"_WAF1002T5E", "2512", "2512"},
        {"RC_F103CS", "0402", "01005"},
        {"RC_F103CS", "3216", "1206"},
        {"RC_F103CS", "3225", "1210"},
        {"RC_F103CS", "5025", "2010"},
        {"RC_F103CS", "6432", "2512"},
        {"RC1608_103CS", "D", "±0,5 %"},
        {"RK73H_TTD1002F", "1F", "01005"},
        {"RK73H_TTD1002F", "1H", "0201"},
        {"RK73H_TTD1002F", "2B", "1206"},
        {"RK73H_TTD1002F", "2E", "1210"},
        {"RK73H_TTD1002F", "2H", "2010"},
        {"RK73H_TTD1002F", "W2H", "2010"},
        {"RK73H_TTD1002F", "3A", "2512"},
        {"RK73H_TTD1002F", "W3A", "2512"},
        {"RK73B1JTTD103_", "G", "±2 %"},
        {"LQG15HS10N_02D", "H", "±3 %"},
        {"LQG15HS10N_02D", "K", "±10 %"},
        {"LQG15HS2N2_02D", "C", "±0,2 нГн"},
        {"LQG15HS2N2_02D", "D", "±0,5 нГн"},
        {"CRCW060310K0FKEA_", "HP", "±100 ppm/°C"},
        {"CRCW080545K3FKEA_", "C", "45,3 кОм"},
        {"CRCW_10K0FKEA", "1218", "1218"},
        {"RC0603FR-_10KL", "7W", "0603"},
        {"RC0603FR-_10KL", "3W", "0603"},
        {"RC_FK-0710KL", "1218", "1218"},
        {"RC0100FS-_10KL", "7N", "01005"},
        {"RC0805F_-0710KL", "K", "0805"},
        {"0603_F1002T5E", "SA", "0,1 Вт"},
        {"0603_F1002T5E", "S8", "0,125 Вт"},
        {"0603_F1002T5E", "S4", "0,25 Вт"},
        {"C0603C104K_RACTU", "7", "4 В"},
        {"C0603C104K_RACTU", "C", "500 В"},
        {"C0603C104K_RACTU", "B", "630 В"},
        {"C0603C104K_RACTU", "D", "1 кВ"},
        {"C0603C104K_RACTU", "F", "1,5 кВ"},
        {"C0603C104K_RACTU", "G", "2 кВ"},
        {"C0603C104K_RACTU", "Z", "2,5 кВ"},
        {"C0603C104K_RACTU", "H", "3 кВ"},
        {"C0603C104K5RAC_", "", "X7R"},
        {"C0603C104K5RAC_", "AUTO", "X7R"},
        {"C0603C104K5RAC_", "AUTO7411", "X7R"},
        {"TAJ_107K016RNJ", "U", "7361-43"},
        {"TAJA106K016_NJ", "S", "3216-18"},
        {"TAJA106K016_NJ", "A", "3216-18"},
        {"TAJA106K016_NJ", "B", "3216-18"},
        {"TAJA106K016_NJ", "H", "3216-18"},
        {"TAJA106K016_NJ", "U", "3216-18"},
        {"ERJ-_J103X", "PA2", "0,2 Вт, 0402"},
        {"ERJ-_J103X", "P03", "0,2 Вт, 0603"},
        {"ERJ-_J103V", "PA3", "0,25 Вт, 0603"},
        {"ERJ-_F1002V", "P06", "0,5 Вт, 0805"},
        {"ERJ-_F1002V", "P08", "0,66 Вт, 1206"},
        {"ERJ-_F1002U", "P14", "0,5 Вт, 1210"},
        {"ERJ-_J103V", "UP3", "0,25 Вт, 0603"},
        {"ERJ-_J103V", "UP8", "0,66 Вт, 1206"},
        {"ERJ-_J103Y", "2GE", "0,1 Вт, 0402"},
        {"GRM_R71H104KA01D", "31M", "1206"},
        {"GRM_R71H104KA01D", "43S", "1812"},
        {"GRM_R71H104KA01D", "219", "0805"},
        {"GRM_R61A105KA01D", "185", "0603"},
        {"EEU-FR_102", "0J", "6,3 В"},
        {"EEU-FR_102", "1A", "10 В"},
        {"EEU-FR_102", "1E", "25 В"},
        {"EEU-FR_102", "1V", "35 В"},
        {"EEU-FR_102", "1H", "50 В"},
        {"EEU-FR_102", "1J", "63 В"},
        {"EEU-FR_102", "1K", "80 В"},
        {"EEU-FR_102", "2A", "100 В"},
        {"EEU-FR_102", "2C", "160 В"},
        {"EEU-FR_102", "2D", "200 В"},
        {"EEU-FR_102", "2E", "250 В"},
        {"EEU-FR_102", "2V", "350 В"},
        {"EEU-FR_102", "2T", "385 В"},
        {"EEU-FR_102", "2G", "400 В"},
        {"EEU-FR_102", "2W", "450 В"},
        {"EEU-_1C102", "FC", "1000 мкФ"},
        {"EEU-_1C102", "FM", "1000 мкФ"},
        {"EEU-_1C102", "TP", "1000 мкФ"},
        {"EEU-FR1C102_", "E", "1000 мкФ"},
        {"EEU-FR1C102_", "H", "1000 мкФ"},
        {"ECA-1C_102", "EN", "1000 мкФ"},
        {"U_1A331MED", "HE", "330 мкФ"},
        {"UVR1A331M_", "DD", "330 мкФ"},
        {"UVR1A331M_", "PD", "330 мкФ"},
        {"UVR1A331M_", "HD", "330 мкФ"},
        {"UVR1A331M_", "RD", "330 мкФ"},
        {"UVR_331MED", "1V", "35 В"},
        {"_YXF1000MEFC10X20", "6.3", "6,3 В"},
        {"_YXF1000MEFC10X20", "450", "450 В"},
        {"16YXF1000MEFC_", "12.5X25", "12,5×25 мм"},
        {"16YXF1000M_10X20", "TA", "1000 мкФ"},
        {"293D107X9010_2WE3", "C", "6032-28"},
        {"293D107X9010_2WE3", "E", "7343-43"},
        {"293D107_010D2WE3", "X5", "±5 %"},
        {"293D107X9010D_", "8R", "7343-31"},
        {"LQM_PN4R7MFRL", "21", "0805"},
        {"LQM_PN4R7MFRL", "31", "1206"},
        {"LQM18PN_MFRL", "2N2", "2,2 нГн"},
        {"LQM18PN_MFRL", "R47", "470 нГн"},
        {"LQM18PN4R7_FRL", "K", "±10 %"},
        {"SWPA_S4R7MT", "252012", "4,7 мкГн"},
        {"SWPA4030S4R7_T", "N", "±30 %"},
        {"MCR_MZPF1002", "01", "0402"},
        {"MCR_JZHF1002", "25", "1210"},
        {"MCR_JZHF1002", "50", "2010"},
        {"MCR_JZHF1002", "100", "2512"},
        {"MCR_QLPF1002", "004", "0,031 Вт, 01005"},
        {"MCR03EZP_1002", "D", "±0,5 %"},
        {"ESR_EZPJ100", "18", "0,5 Вт, 1206"},
        {"ESR_JZPJ100", "25", "0,66 Вт, 1210"},
        {"KTR_JZPJ100", "25", "0,33 Вт, 1210"},
        {"ERA-_EB103V", "6A", "0,125 Вт, 0805"},
        {"ERA-_EB103V", "8A", "0,25 Вт, 1206"},
        {"ERA-_EB103C", "1A", "0,05 Вт, 0201"},
        {"ERA-3A_B103V", "R", "ТКС ±10 ppm/°C"},
        {"ERA-3A_B103V", "P", "ТКС ±15 ppm/°C"},
        {"ERA-3A_B103V", "H", "ТКС ±50 ppm/°C"},
        {"ERA-3A_B103V", "K", "ТКС ±100 ppm/°C"},
        {"ERA-3AE_103V", "W", "±0,05 %"},
        {"ERA-3AE_103V", "C", "±0,25 %"},
        {"RT0603BR_0710KL", "A", "ТКС ±5 ppm/°C"},
        {"RT0603BR_0710KL", "B", "ТКС ±10 ppm/°C"},
        {"RT0603BR_0710KL", "C", "ТКС ±15 ppm/°C"},
        {"RT0603_RD0710KL", "F", "±1 %"},
        {"RT_BKD0710KL", "2512", "2512"},
        {"_MK316BJ106ML-T", "A", "4 В"},
        {"_MK316BJ106ML-T", "L", "10 В"},
        {"_MK316BJ106ML-T", "G", "35 В"},
        {"_MK316BJ106ML-T", "U", "50 В"},
        {"JMK_BJ106MN-T", "325", "1210"},
        {"JMK_BJ106MN-T", "432", "1812"},
        {"JMK316_106ML-T", "B7", "X7R"},
        {"JMK316_106ZL-T", "F", "Y5V"},
        {"0603B104K_CT", "100", "10 В"},
        {"0603B104K_CT", "160", "16 В"},
        {"0603B104K_CT", "250", "25 В"},
        {"0603B104K_CT", "101", "100 В"},
        {"_B104K500CT", "1812", "1812"},
        {"0603B104K500C_", "G", "0603"},
    };
    for (const auto& row : rows) {
        std::string text(row.pattern);
        text.replace(text.find('_'), 1, row.code);
        const std::string read = readOf(text);
        EXPECT_NE(read.find(row.fact), std::string::npos) << text << ": " << read;
    }
}

// A code that fits a family's pattern but names what the family does not have is refused, each
// field with its own reason, never read halfway.
TEST(PartNumbers, RefuseEachFieldWithItsReason) {
    const Case cases[] = {
        {"GRM198R71H104KA93D", "нет: номер детали Murata GRM: нет такого размера «19»"},
        {"GRM18ZR71H104KA93D", "нет: номер детали Murata GRM: нет такого кода «Z»"},
        {"GRM188R91H104KA93D", "нет: номер детали Murata GRM: нет такого диэлектрика «R9»"},
        {"GRM188R71X104KA93D", "нет: номер детали Murata GRM: нет такого напряжения «1X»"},
        {"GRM188R71H1O4KA93D", "нет: номер детали Murata GRM: номинал не читается: «1O4KA93D»"},
        {"GRM188R71H109KA93D", "нет: номер детали Murata GRM: номинал не читается: «109KA93D»"},
        {"GRM188R71H104QA93D", "нет: номер детали Murata GRM: нет такого допуска «Q»"},
        {"GRM188R71H104KA93DX", "нет: номер детали Murata GRM: лишние знаки «X» в конце"},
        {"RC0603QR-0710KL", "нет: номер детали Yageo RC: нет такого допуска «Q»"},
        {"RC0805FR-0910KL", "нет: номер детали Yageo RC: нет такого кода «09»"},
        {"RC0603FR-07", "нет: номер детали Yageo RC: номер обрывается после «RC0603FR07»"},
        {"RC0603FR-070RL", "нет: номер детали Yageo RC: перемычку не заказывают с допуском «F»"},
        {"RC0603FR-07100ML", "нет: номер детали Yageo RC: номинала 100 МОм у серии нет"},
        {"LQG15HS33NJ02D", "Murata LQG: 33 нГн ±5 %, 0402 (1005 мм)"},
        {"LQG15HSR33J02D", "нет: номер детали Murata LQG: номинала 330 нГн у серии нет"},
        {"CRCW060310K0ZKEA", "нет: номер детали Vishay CRCW: код перемычки у номинала не ноль"},
        {"CRCW060310K0FQEA", "нет: номер детали Vishay CRCW: нет такого ТКС «Q»"},
        {"CRCW060310K0FKZZ", "нет: номер детали Vishay CRCW: нет такого кода «ZZ»"},
        {"ERJ-3EKJ1002V", "нет: номер детали Panasonic ERJ: нет такого допуска «J»"},
        {"0603WAQ1002T5E", "нет: номер детали UniOhm Thick Film: нет такого допуска «Q»"},
        {"RC0603FR-07QQL", "нет: номер детали Yageo RC: номинал не читается: «QQL»"},
        {"ERJ3EKF1002", "нет: номер детали Panasonic ERJ: номер обрывается после «ERJ3EKF1002»"},
        {"0603WAF1002T9E", "нет: номер детали UniOhm Thick Film: нет такого кода «T9»"},
        {"RC1608K103CS", "нет: номер детали Samsung RC: нет такого допуска «K»"},
        {"RK73H1JTTD1002J", "нет: номер детали KOA RK73: нет такого допуска «J»"},
        {"CL10B104KX8NNNC", "нет: номер детали Samsung CL: нет такого напряжения «X»"},
        {"CL10W104KB8NNNC", "нет: номер детали Samsung CL: нет такого диэлектрика «W»"},
        {"CC0603KRX7R3BB104", "нет: номер детали Yageo CC: нет такого напряжения «3»"},
        {"C1608X7R1H104K080QA", "нет: номер детали TDK C: нет такого кода «Q»"},
        {"C0603C104K5XACTU", "нет: номер детали KEMET C: нет такого диэлектрика «X»"},
        {"06035X104KAT2A", "нет: номер детали AVX MLCC: нет такого диэлектрика «X»"},
        {"TAJQ106K016RNJ", "нет: номер детали AVX TAJ: нет такого корпуса «Q»"},
        {"TAJA106K017RNJ", "нет: номер детали AVX TAJ: нет такого напряжения «017»"},
        {"T491A106J016AT", "нет: номер детали KEMET T491: нет такого допуска «J»"},
        {"LQG15HS10NQ02D", "нет: номер детали Murata LQG: нет такого допуска «Q»"},
        // A code the maker gives another size, tolerance or dielectric.
        {"GRM02E5C1H1R0CA01D", "нет: номер детали Murata GRM: у размера 01005 нет кода «E»"},
        {"GRM15C5C1H1R0CA01D", "нет: номер детали Murata GRM: у размера 0402 нет кода «C»"},
        {"RC0603FS-0710KL", "нет: номер детали Yageo RC: у размера 0603 нет кода «S»"},
        {"RC0603FR-7N10KL", "нет: номер детали Yageo RC: у размера 0603 нет кода «7N»"},
        {"RC2512FR-0710KL", "нет: номер детали Yageo RC: у размера 2512 нет кода «R»"},
        {"ERJ-3GEYJ103U", "нет: номер детали Panasonic ERJ: у размера 0603 нет кода «U»"},
        {"ERJ-3EKF1002X", "нет: номер детали Panasonic ERJ: у размера 0603 нет кода «X»"},
        {"CRCW060310K0FNEA", "нет: номер детали Vishay CRCW: у допуска «F» нет ТКС «N»"},
        {"CC0603JRNPO9BB101", "нет: номер детали Yageo CC: у диэлектрика C0G нет кода «B»"},
        {"C1608X7R1H104K250AA", "нет: номер детали TDK C: у размера 1608 нет кода «250»"},
        {"CL10B104KB9NNNC", "нет: номер детали Samsung CL: у размера 0603 нет кода «9»"},
        {"EEU-FR1X102", "нет: номер детали Panasonic EEU: нет такого напряжения «1X»"},
        {"ECA-1HQ100", "нет: номер детали Panasonic ECA: нет такого кода «Q»"},
        {"CRG0603K10K", "нет: номер детали TE CRG: нет такого допуска «K»"},
        {"293D107X9010Q2WE3", "нет: номер детали Vishay 293D: нет такого корпуса «Q»"},
        {"293D107X1010D2WE3", "нет: номер детали Vishay 293D: нет такого допуска «X1»"},
        {"LQM18PN4R7QFRL", "нет: номер детали Murata LQM: нет такого допуска «Q»"},
        {"SWPA4031S4R7MT", "нет: номер детали Sunlord SWPA: нет такого кода «4031»"},
        {"MCR03JZHF1002", "нет: номер детали ROHM MCR: у размера 0603 нет кода «JZH»"},
        {"ERJ-3RHD6811V", "нет: номер детали Panasonic ERJ: у размера 0603 нет ТКС «H»"},
        // Outside AVX's product table: a value above the largest, a voltage the size lacks.
        {"06035C105KAT2A",
         "нет: номер детали AVX MLCC: у серии нет 1 мкФ в размере 0603 (50 В, X7R)"},
        {"06037C104KAT2A", "нет: номер детали AVX MLCC: у серии нет 500 В, X7R в размере 0603"},
        {"04024D106KAT2A", "AVX MLCC: 10 мкФ ±10 %, 4 В, 0402 (1005 мм), X5R"},
        {"04024D226KAT2A",
         "нет: номер детали AVX MLCC: у серии нет 22 мкФ в размере 0402 (4 В, X5R)"},
        {"MCR03EZPK1002", "нет: номер детали ROHM MCR: нет такого допуска «K»"},
        {"ERA-3AEB103X", "нет: номер детали Panasonic ERA: у размера 0603 нет кода «X»"},
        {"ERA-3AQB103V", "нет: номер детали Panasonic ERA: нет такого ТКС «Q»"},
        {"RT0603BRF0710KL", "нет: номер детали Yageo RT: нет такого ТКС «F»"},
        {"JMK107BJ106MG-T", "нет: номер детали Taiyo Yuden MLCC: у размера 0603 нет кода «G»"},
    };
    expectAll(cases);
}

// Value codes both ways: what each style reads, and what it writes back.
TEST(PartNumbers, ValueCodesBothWays) {
    using parts::ValueStyle;
    const struct {
        ValueStyle style;
        std::string_view code;
        value::Decimal value; // in the smallest unit; 0 where the code is none
    } rows[] = {
        {ValueStyle::Digits3, "104", {10, 4}},
        {ValueStyle::Digits3, "4R7", {47, -1}},
        {ValueStyle::Digits3, "R47", {47, -2}},
        {ValueStyle::Digits3, "1R0", {1, 0}},
        {ValueStyle::Digits3, "R50", {5, -1}},
        {ValueStyle::Digits3, "108", {10, 8}},
        {ValueStyle::Digits3, "109", {}},
        {ValueStyle::Digits3, "000", {}},
        {ValueStyle::Digits3, "10", {}},
        {ValueStyle::Digits4, "1002", {100, 2}},
        {ValueStyle::Digits4, "47R0", {47, 0}},
        {ValueStyle::Digits4, "4R70", {47, -1}},
        {ValueStyle::Digits4, "1000", {100, 0}},
        {ValueStyle::Digits4, "R470", {47, -2}},
        {ValueStyle::Digits3Or4, "103", {10, 3}},
        {ValueStyle::Digits3Or4, "1021", {102, 1}},
        {ValueStyle::ZeroDigits3, "0103", {10, 3}},
        {ValueStyle::ZeroDigits3, "04R7", {47, -1}},
        {ValueStyle::ZeroDigits3, "1103", {}},
        {ValueStyle::Letters, "10K", {10, 3}},
        {ValueStyle::Letters, "4K7", {47, 2}},
        {ValueStyle::Letters, "1K47", {147, 1}},
        {ValueStyle::Letters, "56R", {56, 0}},
        {ValueStyle::Letters, "1M", {1, 6}},
        {ValueStyle::Letters, "R047", {47, -3}},
        {ValueStyle::Letters, "0R", {}},
        {ValueStyle::LettersOf4, "10K0", {10, 3}},
        {ValueStyle::LettersOf4, "4K70", {47, 2}},
        {ValueStyle::LettersOf4, "100R", {100, 0}},
        {ValueStyle::LettersOf4, "1M00", {1, 6}},
        {ValueStyle::LettersOf4, "10K", {}},
        {ValueStyle::NanohenriesN, "2N2", {22, -1}},
        {ValueStyle::NanohenriesN, "10N", {10, 0}},
        {ValueStyle::NanohenriesN, "R10", {100, 0}},
        {ValueStyle::NanohenriesN, "1R0", {1000, 0}},
        {ValueStyle::NanohenriesN, "1N0", {1, 0}},
        {ValueStyle::Digits3Tenths, "104", {10, 4}},
        {ValueStyle::Digits3Tenths, "479", {47, -1}},
        {ValueStyle::Digits3Tenths, "229", {22, -1}},
        {ValueStyle::Digits3Tenths, "508", {50, -2}},
        {ValueStyle::Digits3Tenths, "107", {10, 7}},
        {ValueStyle::Digits3Tenths, "4R7", {}},
        {ValueStyle::Digits4Jkl, "499J", {499, -1}},
        {ValueStyle::Digits4Jkl, "226K", {226, -2}},
        {ValueStyle::Digits4Jkl, "100L", {100, -3}},
        {ValueStyle::Digits4Jkl, "1002", {100, 2}},
        {ValueStyle::Digits4Jkl, "499M", {}},
        {ValueStyle::ZeroDigits3Jkl, "012J", {12, -1}},
        {ValueStyle::ZeroDigits3Jkl, "0100", {10, 0}},
        {ValueStyle::ZeroDigits3Jkl, "112J", {}},
        {ValueStyle::Microfarads3, "102", {10, 8}},
        {ValueStyle::Microfarads3, "4R7", {47, 5}},
        {ValueStyle::Microfarads3, "R47", {47, 4}},
        {ValueStyle::Microfarads3, "100", {10, 6}},
    };
    for (const auto& row : rows) {
        const auto read = parts::readValueCode(row.style, row.code);
        if (row.value.significand == 0) {
            EXPECT_FALSE(read) << row.code;
            continue;
        }
        EXPECT_EQ(read, row.value) << row.code;
        EXPECT_EQ(parts::writeValueCode(row.style, row.value), row.code) << row.code;
    }
    EXPECT_EQ(parts::writeValueCode(ValueStyle::Letters, {1, 3}), "1K");
    EXPECT_EQ(parts::writeValueCode(ValueStyle::Digits3, {102, 1}), std::nullopt);
    EXPECT_EQ(parts::writeValueCode(ValueStyle::Digits3Or4, {102, 1}), "1021");
}

// E24 values of three decades apart on every chip size and tantalum case, at five tolerances,
// two voltages and two dielectrics, and electrolytics and jumpers: each part number any family
// writes, offered or not, reads back to a reading of that family with every fact it was
// written for. Each family writes some.
TEST(PartNumbers, WrittenNumbersReadBack) {
    using value::Tolerance;
    std::map<std::string, int> written;
    std::map<const parts::Family*, int> writtenBy;
    const auto roundTrip = [&](const value::Reading& reading,
                               const std::optional<codes::Dielectric>& dielectric) {
        for (const parts::Family* family : parts::allFamilies()) {
            const auto text = parts::partNumberOf(*family, reading, dielectric);
            if (!text)
                continue;
            const parts::PartNumber number{family, *text};
            ++written[parts::familyName(*number.family)];
            ++writtenBy[family];
            const parts::PartAnswer back = parts::readPartNumber(number.text);
            const bool same = std::ranges::any_of(back.readings, [&](const parts::PartReading& r) {
                value::Reading facts = r.reading;
                facts.packageInMetric = reading.packageInMetric;
                if (!reading.power)
                    facts.power.reset(); // a family that names its size's power adds it
                if (!reading.temperatureCoefficient)
                    facts.temperatureCoefficient.reset();
                return r.family == number.family && facts == reading && r.dielectric == dielectric;
            });
            EXPECT_TRUE(same) << number.text << " for " << value::valueLine(reading);
        }
    };
    const std::optional<codes::Dielectric> dielectrics[] = {codes::readDielectric("X7R"),
                                                            codes::readDielectric("C0G")};
    const Tolerance tolerances[] = {Tolerance::percent({1}), Tolerance::percent({5}),
                                    Tolerance::percent({10}), Tolerance::percent({20}),
                                    Tolerance::absolute({25, -2})};
    const int volts[] = {16, 100};
    for (const int figures : value::decadeOf(24))
        for (const Tolerance& tolerance : tolerances)
            for (int shift = 0; shift < 3; ++shift) {
                const value::Decimal amount{figures, 2 * shift - 1}; // 10 Ом … 910 кОм
                value::Reading capacitor(value::Quantity::Capacitance,
                                         {amount.significand, amount.exponent + shift}, tolerance);
                capacitor.voltage = value::Decimal{16, 0};
                for (const std::string_view eia : value::tantalumCases()) {
                    capacitor.moulded = eia;
                    roundTrip(capacitor, std::nullopt);
                }
                capacitor.moulded.reset();
                value::Reading electrolytic(value::Quantity::Capacitance,
                                            {figures, 5 + 2 * shift}); // 0,1 … 9100 мкФ
                electrolytic.voltage = value::Decimal{16, 0};
                roundTrip(electrolytic, std::nullopt);
                electrolytic.tolerance = Tolerance::percent({20});
                roundTrip(electrolytic, std::nullopt);
                electrolytic.can = value::CanSize{{63, -1}, {11, 0}};
                roundTrip(electrolytic, std::nullopt);
                for (const int decade : {2, 4}) { // 1 мкГн … 91 мГн
                    const value::Reading power(value::Quantity::Inductance,
                                               {figures, decade + shift}, tolerance);
                    roundTrip(power, std::nullopt);
                }
                for (const value::ChipSize& size : value::chipSizes()) {
                    value::Reading jumper(value::Quantity::Resistance, {});
                    jumper.package = size;
                    roundTrip(jumper, std::nullopt);
                    value::Reading resistor(value::Quantity::Resistance, amount, tolerance);
                    resistor.package = size;
                    roundTrip(resistor, std::nullopt);
                    for (const auto& [percent, ppm] : {std::pair(1, 25), std::pair(5, 50)}) {
                        value::Reading precise(value::Quantity::Resistance, amount,
                                               Tolerance::percent({percent, -1}));
                        precise.package = size;
                        precise.temperatureCoefficient = value::Decimal{ppm, 0};
                        roundTrip(precise, std::nullopt); // thin film, precision thick film
                    }
                    value::Reading inductor(value::Quantity::Inductance, amount, tolerance);
                    inductor.package = size;
                    roundTrip(inductor, std::nullopt);
                    capacitor.package = size;
                    for (const int v : volts) {
                        capacitor.voltage = value::Decimal{v, 0};
                        for (const auto& dielectric : dielectrics)
                            roundTrip(capacitor, dielectric);
                    }
                }
            }
    for (const std::string_view family :
         {"Yageo RC",         "Vishay CRCW",   "Panasonic ERJ", "UniOhm Thick Film", "Samsung RC",
          "KOA RK73",         "Murata GRM",    "Samsung CL",    "Yageo CC",          "TDK C",
          "KEMET C",          "AVX MLCC",      "AVX TAJ",       "KEMET T491",        "Murata LQG",
          "Yageo AC",         "TE CRG",        "Murata GCM",    "Murata GRT",        "Murata GCJ",
          "Murata GRJ",       "Panasonic EEU", "Panasonic EEE", "Panasonic ECA",     "Nichicon",
          "Rubycon",          "Vishay 293D",   "Murata LQM",    "Bourns SRR",        "Sunlord SWPA",
          "ROHM MCR",         "ROHM ESR",      "ROHM KTR",      "Panasonic ERA",     "Yageo RT",
          "Taiyo Yuden MLCC", "Walsin MLCC"})
        EXPECT_GT(written[std::string(family)], 50) << family;
    // A catalogue's rows: each read and written back.
    for (const parts::Family* family : parts::allFamilies())
        for (const parts::IndexRow& row : family->index)
            for (const parts::PartReading& r : parts::readPartNumber(row.code).readings)
                roundTrip(r.reading, r.dielectric);
    for (const parts::Family* family : parts::allFamilies())
        EXPECT_GT(writtenBy[family], 0) << parts::familyName(*family);
    // A number that states no tolerance is not written for a line that gives one.
    value::Reading toleranced(value::Quantity::Capacitance, {10, 8}, Tolerance::percent({10}));
    toleranced.voltage = value::Decimal{16, 0};
    for (const parts::Family* family : parts::allFamilies())
        EXPECT_FALSE(parts::partNumberOf(*family, toleranced, std::nullopt))
            << parts::familyName(*family);
}

// The numbers each family writes, with its commonest packaging and the codes that follow a
// size, a tolerance or a dielectric; a jumper with each family's own code.
TEST(PartNumbers, WrittenAsTheMakersOrderThem) {
    const Case cases[] = {
        {"0 0603", "RC0603JR-070RL MCR03EZPJ000 RMCF0603ZT0R00 CRCW06030000Z0EA ERJ-3GEY0R00V "
                   "0603WAJ0000T5E RC1608J000CS "
                   "RK73Z1JTTD"},
        {"100R 5% 0603", "RC0603JR-07100RL CRG0603J100R MCR03EZPJ101 RMCF0603JT100R "
                         "CRCW0603100RJNEA ERJ-3GEYJ101V 0603WAJ0101T5E "
                         "RC1608J101CS RK73B1JTTD101J"},
        {"4k7 1% 1206", "RC1206FR-074K7L CRG1206F4K7 MCR18EZPF4701 RMCF1206FT4K70 CRCW12064K70FKEA "
                        "ERJ-8ENF4701V 1206W4F4701T5E "
                        "RC3216F472CS RK73H2BTTD4701F"},
        {"2,2 пФ ±0,25 пФ 50V C0G 0402",
         "GRM1555C1H2R2CA01D CL05C2R2CB5NNNC CC0402CRNPO9BN2R2 "
         "C1005C0G1H2R2C050AA C0402C229C5GACTU 04025A2R2CAT2A 0402N2R2C500CT"},
        {"10uF 20% 6.3V X5R 0805",
         "GRM21BR60J106MA01D CL21A106MQCNNNC CC0805MRX5R5BB106 "
         "C2012X5R0J106M125AA C0805C106M9PACTU 08056D106MAT2A JMK212BJ106MG-T"},
        {"47uF 10% 10V корпус 6032-28", "TAJC476K010RNJ T491C476K010AT 293D476X9010C2TE3"},
        {"2,2 нГн ±0,3 нГн 0402", "LQG15HS2N2S02D"},
        {"220nH 5% 0603", "LQG18HNR22J00D"},
        {"10 кОм ±1 %, ТКС ±100 ppm/°C, 0603 (1608 мм)", "CRCW060310K0FKEA"},
    };
    for (const Case& c : cases) {
        const auto readings = marking::readMarking(c.text).readings;
        ASSERT_FALSE(readings.empty()) << c.text;
        std::string written;
        for (const parts::PartNumber& number :
             parts::partNumbersOf(readings.front().reading, readings.front().dielectric))
            written.append(written.empty() ? "" : " ").append(number.text);
        EXPECT_EQ(written, c.read) << c.text;
    }
}

// A part number is offered only where it states every fact the line gives, and the line gives
// every fact it states.
TEST(PartNumbers, OfferedWhereTheyStateEveryFact) {
    const Case cases[] = {
        {"10k 1% 0603 100ppm", "Vishay CRCW"},
        {"1uF 10% 50V X7R 0603",
         "Murata GRM, Samsung CL, Yageo CC, TDK C, KEMET C, Taiyo Yuden MLCC, Walsin MLCC"},
        {"470nF 10% 50V X7R 0603", "Murata GRM, Samsung CL, Yageo CC, TDK C, KEMET C, AVX MLCC, "
                                   "Taiyo Yuden MLCC, Walsin MLCC"},
        {"10k 0.5% 0603 50ppm", "Panasonic ERA, Yageo RT, Panasonic ERJ"},
        {"10k 0.5% 0603", "Yageo RC, ROHM MCR, Vishay CRCW, Panasonic ERJ, UniOhm Thick Film, "
                          "Samsung RC, KOA RK73"},
        {"10k 5% 0805 0.125W", "TE CRG, ROHM MCR, Panasonic ERJ, UniOhm Thick Film"},
        {"10k 1% 0603 200V", ""},
        {"10k 0603", ""},
        {"10k 1%", ""},
        {"100n 10% 50V 0603", ""},
        {"100n 10% X7R 0603", ""},
        {"100n 10% 50V X7R 105C 0603", ""},
        {"10uF 10% 16V корпус 7343-43", "AVX TAJ, KEMET T491, Vishay 293D"},
        {"10uF 10% 16V корпус 7343-20", "AVX TAJ, KEMET T491"},
        {"10uF 10% 16V корпус 7361-38", "AVX TAJ"},
        {"10nH 5% 0402 300mA", ""},
        {"330nH 5% 0402", ""},
        {"330nH 5% 0603", "Murata LQG"},
        {"10M 1% 0603",
         "Yageo RC, TE CRG, ROHM MCR, Stackpole RMCF, Vishay CRCW, Panasonic ERJ, UniOhm Thick "
         "Film, Samsung RC, KOA RK73"},
        {"22M 1% 0603", ""},
    };
    for (const Case& c : cases) {
        const auto readings = marking::readMarking(c.text).readings;
        ASSERT_FALSE(readings.empty()) << c.text;
        std::string families;
        for (const parts::PartNumber& number :
             parts::partNumbersOf(readings.front().reading, readings.front().dielectric)) {
            const std::string name = parts::familyName(*number.family);
            if (!families.ends_with(name))
                families.append(families.empty() ? "" : ", ").append(name);
        }
        EXPECT_EQ(families, c.read) << c.text;
    }
}
