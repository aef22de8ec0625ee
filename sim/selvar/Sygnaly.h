#pragma once

class QCoreApplication;

// SIGTERM and SIGINT end the event loop normally, so that everything is written and the
// link removed before the program ends.
void KonczPrzySygnale(QCoreApplication& aplikacja);
