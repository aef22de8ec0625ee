#pragma once

struct TKontekst;

// The commands of selvar-cli; each returns the exit code (KodyWyjscia) and has printed
// its own messages.
int KomendaInfo(TKontekst& k);
int KomendaBledy(TKontekst& k);
int KomendaKopia(TKontekst& k);        // backup
int KomendaPrzywrocenie(TKontekst& k); // restore
int KomendaNaZywo(TKontekst& k);       // live
int KomendaNagrywanie(TKontekst& k);   // record
int KomendaOsc2Csv(TKontekst& k);
int KomendaPokaz(TKontekst& k);   // show
int KomendaRoznice(TKontekst& k); // diff
int KomendaObd(TKontekst& k);
int KomendaFlash(TKontekst& k);
int KomendaRaport(TKontekst& k);     // report
int KomendaPropozycja(TKontekst& k); // propose
