#pragma once

#include <QDir>
#include <QTemporaryDir>

// Makes a fresh empty directory the current one for the life of the object,
// so the result files of a run land there.
class TemporaryWorkingDirectory {
public:
    TemporaryWorkingDirectory()
        : previous_(QDir::currentPath()),
          entered_(dir_.isValid() && QDir::setCurrent(dir_.path())) {}
    ~TemporaryWorkingDirectory() { QDir::setCurrent(previous_); }
    TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
    TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

    bool entered() const { return entered_; }

private:
    QString previous_;
    QTemporaryDir dir_;
    bool entered_;
};
