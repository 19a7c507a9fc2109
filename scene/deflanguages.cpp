// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "deflanguages.h"

#include "writelog.h"

DefLanguages* DefLanguages::getInstance()
{
    static DefLanguages* instance = nullptr;
    if (!instance) {
        instance = new DefLanguages();
        writeLogMessage(LOG_INFO, "DefLanguages::getInstance", "");
    }
    return instance;
}

// Nothing is cached: every read goes through the translator installed now.
QString DefLanguages::get_LID_PC_60000_01() const
{
    return tr("LID_PC_60000_01");
}

QString DefLanguages::get_LID_PC_60000_02() const
{
    return tr("LID_PC_60000_02");
}

QString DefLanguages::get_LID_PC_60000_03() const
{
    return tr("LID_PC_60000_03");
}

QString DefLanguages::get_LID_PC_60000_04() const
{
    return tr("LID_PC_60000_04");
}

QString DefLanguages::get_LID_PC_60000_05() const
{
    return tr("LID_PC_60000_05");
}

QString DefLanguages::get_LID_PC_60100_01() const
{
    return tr("LID_PC_60100_01");
}

QString DefLanguages::get_LID_PC_60100_02() const
{
    return tr("LID_PC_60100_02");
}

QString DefLanguages::get_LID_PC_60100_03() const
{
    return tr("LID_PC_60100_03");
}

QString DefLanguages::get_LID_PC_60100_04() const
{
    return tr("LID_PC_60100_04");
}

QString DefLanguages::get_LID_PC_60100_05() const
{
    return tr("LID_PC_60100_05");
}

QString DefLanguages::get_LID_PC_60100_06() const
{
    return tr("LID_PC_60100_06");
}

QString DefLanguages::get_LID_PC_60100_07() const
{
    return tr("LID_PC_60100_07");
}

QString DefLanguages::get_LID_PC_60100_17() const
{
    return tr("LID_PC_60100_17");
}

QString DefLanguages::get_LID_PC_60100_08() const
{
    return tr("LID_PC_60100_08");
}

QString DefLanguages::get_LID_PC_60100_09() const
{
    return tr("LID_PC_60100_09");
}

QString DefLanguages::get_LID_PC_60100_10() const
{
    return tr("LID_PC_60100_10");
}

QString DefLanguages::get_LID_PC_60100_11() const
{
    return tr("LID_PC_60100_11");
}

QString DefLanguages::get_LID_PC_60100_18() const
{
    return tr("LID_PC_60100_18");
}

QString DefLanguages::get_LID_PC_60100_12() const
{
    return tr("LID_PC_60100_12");
}

QString DefLanguages::get_LID_PC_60100_13() const
{
    return tr("LID_PC_60100_13");
}

QString DefLanguages::get_LID_PC_60100_14() const
{
    return tr("LID_PC_60100_14");
}

QString DefLanguages::get_LID_PC_60100_19() const
{
    return tr("LID_PC_60100_19");
}

QString DefLanguages::get_LID_PC_60100_15() const
{
    return tr("LID_PC_60100_15");
}

QString DefLanguages::get_LID_PC_60100_16() const
{
    return tr("LID_PC_60100_16");
}

QString DefLanguages::get_LID_PC_60200_01() const
{
    return tr("LID_PC_60200_01");
}

QString DefLanguages::get_LID_PC_60200_16() const
{
    return tr("LID_PC_60200_16");
}

QString DefLanguages::get_LID_PC_60200_02() const
{
    return tr("LID_PC_60200_02");
}

QString DefLanguages::get_LID_PC_60200_03() const
{
    return tr("LID_PC_60200_03");
}

QString DefLanguages::get_LID_PC_60200_04() const
{
    return tr("LID_PC_60200_04");
}

QString DefLanguages::get_LID_PC_60200_05() const
{
    return tr("LID_PC_60200_05");
}

QString DefLanguages::get_LID_PC_60200_06() const
{
    return tr("LID_PC_60200_06");
}

QString DefLanguages::get_LID_PC_60200_07() const
{
    return tr("LID_PC_60200_07");
}

QString DefLanguages::get_LID_PC_60200_08() const
{
    return tr("LID_PC_60200_08");
}

QString DefLanguages::get_LID_PC_60200_09() const
{
    return tr("LID_PC_60200_09");
}

QString DefLanguages::get_LID_PC_60200_10() const
{
    return tr("LID_PC_60200_10");
}

QString DefLanguages::get_LID_PC_60200_11() const
{
    return tr("LID_PC_60200_11");
}

QString DefLanguages::get_LID_PC_60200_12() const
{
    return tr("LID_PC_60200_12");
}

QString DefLanguages::get_LID_PC_60200_15() const
{
    return tr("LID_PC_60200_15");
}

QString DefLanguages::get_LID_PC_60200_13() const
{
    return tr("LID_PC_60200_13");
}

QString DefLanguages::get_LID_PC_60200_14() const
{
    return tr("LID_PC_60200_14");
}
