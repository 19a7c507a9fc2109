// SPDX-License-Identifier: LicenseRef-Wrenhop
// The string table, published to QML as "idString": one read-only property
// per text id, translated through whatever translator is installed.
#pragma once

#include <QObject>
#include <QString>

class DefLanguages : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString LID_PC_60000_01 READ get_LID_PC_60000_01 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60000_02 READ get_LID_PC_60000_02 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60000_03 READ get_LID_PC_60000_03 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60000_04 READ get_LID_PC_60000_04 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60000_05 READ get_LID_PC_60000_05 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_01 READ get_LID_PC_60100_01 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_02 READ get_LID_PC_60100_02 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_03 READ get_LID_PC_60100_03 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_04 READ get_LID_PC_60100_04 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_05 READ get_LID_PC_60100_05 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_06 READ get_LID_PC_60100_06 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_07 READ get_LID_PC_60100_07 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_17 READ get_LID_PC_60100_17 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_08 READ get_LID_PC_60100_08 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_09 READ get_LID_PC_60100_09 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_10 READ get_LID_PC_60100_10 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_11 READ get_LID_PC_60100_11 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_18 READ get_LID_PC_60100_18 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_12 READ get_LID_PC_60100_12 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_13 READ get_LID_PC_60100_13 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_14 READ get_LID_PC_60100_14 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_19 READ get_LID_PC_60100_19 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_15 READ get_LID_PC_60100_15 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60100_16 READ get_LID_PC_60100_16 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_01 READ get_LID_PC_60200_01 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_16 READ get_LID_PC_60200_16 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_02 READ get_LID_PC_60200_02 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_03 READ get_LID_PC_60200_03 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_04 READ get_LID_PC_60200_04 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_05 READ get_LID_PC_60200_05 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_06 READ get_LID_PC_60200_06 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_07 READ get_LID_PC_60200_07 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_08 READ get_LID_PC_60200_08 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_09 READ get_LID_PC_60200_09 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_10 READ get_LID_PC_60200_10 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_11 READ get_LID_PC_60200_11 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_12 READ get_LID_PC_60200_12 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_15 READ get_LID_PC_60200_15 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_13 READ get_LID_PC_60200_13 NOTIFY languageChanged)
    Q_PROPERTY(QString LID_PC_60200_14 READ get_LID_PC_60200_14 NOTIFY languageChanged)

public:
    // Created without parent on the first call and never destroyed.
    static DefLanguages* getInstance();

    // Each returns the installed translation of its id, or the id itself.
    QString get_LID_PC_60000_01() const;
    QString get_LID_PC_60000_02() const;
    QString get_LID_PC_60000_03() const;
    QString get_LID_PC_60000_04() const;
    QString get_LID_PC_60000_05() const;
    QString get_LID_PC_60100_01() const;
    QString get_LID_PC_60100_02() const;
    QString get_LID_PC_60100_03() const;
    QString get_LID_PC_60100_04() const;
    QString get_LID_PC_60100_05() const;
    QString get_LID_PC_60100_06() const;
    QString get_LID_PC_60100_07() const;
    QString get_LID_PC_60100_17() const;
    QString get_LID_PC_60100_08() const;
    QString get_LID_PC_60100_09() const;
    QString get_LID_PC_60100_10() const;
    QString get_LID_PC_60100_11() const;
    QString get_LID_PC_60100_18() const;
    QString get_LID_PC_60100_12() const;
    QString get_LID_PC_60100_13() const;
    QString get_LID_PC_60100_14() const;
    QString get_LID_PC_60100_19() const;
    QString get_LID_PC_60100_15() const;
    QString get_LID_PC_60100_16() const;
    QString get_LID_PC_60200_01() const;
    QString get_LID_PC_60200_16() const;
    QString get_LID_PC_60200_02() const;
    QString get_LID_PC_60200_03() const;
    QString get_LID_PC_60200_04() const;
    QString get_LID_PC_60200_05() const;
    QString get_LID_PC_60200_06() const;
    QString get_LID_PC_60200_07() const;
    QString get_LID_PC_60200_08() const;
    QString get_LID_PC_60200_09() const;
    QString get_LID_PC_60200_10() const;
    QString get_LID_PC_60200_11() const;
    QString get_LID_PC_60200_12() const;
    QString get_LID_PC_60200_15() const;
    QString get_LID_PC_60200_13() const;
    QString get_LID_PC_60200_14() const;

signals:
    // Emitted after a translator switch; every text re-reads itself.
    void languageChanged();

private:
    DefLanguages() = default;
};
