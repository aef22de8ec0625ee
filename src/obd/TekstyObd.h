#pragma once

// Ids of the reader's texts in the text table: the status grid's values and the messages of
// the trouble-code panel, shown in the user's language.
namespace TekstyObd {
inline constexpr int BrakPolaczenia = 4310;
inline constexpr int SzukanieInterfejsu = 4311;
inline constexpr int BrakInterfejsu = 4312;
inline constexpr int Laczenie = 4313;
inline constexpr int BrakProtokolu = 4314;
inline constexpr int Zapalony = 4315;
inline constexpr int Zgaszony = 4316;
inline constexpr int BrakPojazdu = 4317;
inline constexpr int OdmowaKasowania = 4318;
inline constexpr int KodySkasowane = 4319;
inline constexpr int ObslugiwanePidy = 4320;
inline constexpr int KodyBledow = 4321;
inline constexpr int Brak = 4322;
inline constexpr int KasowanieKodow = 4323;
inline constexpr int OdczytKodow = 4324;
inline constexpr int OdczytPidow = 4325;
inline constexpr int SzukanieAdapteraIPojazdu = 4326; // %1: the port
inline constexpr int ZadenProtokol = 4327;            // %1: the port
inline constexpr int UtraconyAdapter = 4328;          // %1: the port
// Readiness, freeze frame and vehicle information.
inline constexpr int MonitorGotowy = 4329;
inline constexpr int MonitorNieGotowy = 4330;
inline constexpr int MonitorNieobslugiwany = 4331;
inline constexpr int GotoweMonitory = 4332; // %1 of %2
inline constexpr int GotowoscOdSkasowania = 4333;
inline constexpr int GotowoscCyklu = 4334;
inline constexpr int ZamrozonaRamka = 4335; // %1: the code that stored it
inline constexpr int BrakZamrozonejRamki = 4336;
inline constexpr int Vin = 4337;
inline constexpr int Kalibracja = 4338;
inline constexpr int Cvn = 4339;
inline constexpr int NazwaEcu = 4340;
inline constexpr int InformacjePojazdu = 4341;
inline constexpr int ZaplonIskrowy = 4342;
inline constexpr int ZaplonSamoczynny = 4343;
inline constexpr int Monitory = 4344;
inline constexpr int MonitorWypadanie = 4345;
inline constexpr int MonitorUkladPaliwa = 4346;
inline constexpr int MonitorPodzespoly = 4347;
inline constexpr int MonitorKatalizator = 4348;
inline constexpr int MonitorKatalizatorGrzany = 4349;
inline constexpr int MonitorParowanie = 4350;
inline constexpr int MonitorPowietrzeWtorne = 4351;
inline constexpr int MonitorKlimatyzacja = 4352;
inline constexpr int MonitorSonda = 4353;
inline constexpr int MonitorGrzanieSondy = 4354;
inline constexpr int MonitorEgr = 4355;
inline constexpr int MonitorKatalizatorNmhc = 4356;
inline constexpr int MonitorNox = 4357;
inline constexpr int MonitorDoladowanie = 4358;
inline constexpr int MonitorCzujnikSpalin = 4359;
inline constexpr int MonitorFiltrCzastek = 4360;
} // namespace TekstyObd
