#pragma once
// Sets the default QLocale for one test and puts the previous one back.
#include <QLocale>

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(previous_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

    // Locales whose decimal separator is "." and ",".
    static QLocale dot() { return QLocale(QLocale::English, QLocale::UnitedStates); }
    static QLocale comma() { return QLocale(QLocale::German, QLocale::Germany); }

private:
    QLocale previous_;
};
