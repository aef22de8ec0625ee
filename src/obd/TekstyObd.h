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
} // namespace TekstyObd
