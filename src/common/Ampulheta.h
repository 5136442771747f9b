#pragma once
// The pointer is the hourglass for as long as the object lives, however the
// work ends (a return, an error thrown).

#include <QApplication>

class Ampulheta {
public:
    Ampulheta() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Ampulheta() { QApplication::restoreOverrideCursor(); }
    Ampulheta(const Ampulheta &) = delete;
    Ampulheta &operator=(const Ampulheta &) = delete;
};
