// SPDX-License-Identifier: LicenseRef-Wrenhop
// The string table and its 30 translations, read through the compiled files.
#include "deflanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QTranslator>

#include <gtest/gtest.h>

#include <iterator>

namespace {

// In property order.
const char* const kIds[] = {
    "LID_PC_60000_01", "LID_PC_60000_02", "LID_PC_60000_03", "LID_PC_60000_04", "LID_PC_60000_05",
    "LID_PC_60100_01", "LID_PC_60100_02", "LID_PC_60100_03", "LID_PC_60100_04", "LID_PC_60100_05",
    "LID_PC_60100_06", "LID_PC_60100_07", "LID_PC_60100_17", "LID_PC_60100_08", "LID_PC_60100_09",
    "LID_PC_60100_10", "LID_PC_60100_11", "LID_PC_60100_18", "LID_PC_60100_12", "LID_PC_60100_13",
    "LID_PC_60100_14", "LID_PC_60100_19", "LID_PC_60100_15", "LID_PC_60100_16", "LID_PC_60200_01",
    "LID_PC_60200_16", "LID_PC_60200_02", "LID_PC_60200_03", "LID_PC_60200_04", "LID_PC_60200_05",
    "LID_PC_60200_06", "LID_PC_60200_07", "LID_PC_60200_08", "LID_PC_60200_09", "LID_PC_60200_10",
    "LID_PC_60200_11", "LID_PC_60200_12", "LID_PC_60200_15", "LID_PC_60200_13", "LID_PC_60200_14",
};

const char* const kLocales[] = {
    "ar_ME", "bg_BG", "cs_CZ", "da_DK", "de_DE", "el_GR", "en_UK", "en_US", "es_EU", "et_EE",
    "fi_FI", "fr_CA", "fr_EU", "hr_HR", "hu_HU", "it_IT", "ko_KR", "lt_LT", "lv_LV", "nb_NO",
    "nl_NL", "pl_PL", "pt_PT", "ro_RO", "ru_RU", "sk_SK", "sl_SI", "sv_SE", "tr_TR", "uk_UA",
};

QString qmPath(const char* locale)
{
    return QStringLiteral(":/translations/wrenhop_%1.qm").arg(QLatin1String(locale));
}

} // namespace

// Without a translation each id reads as itself, so no getter answers with
// another's text; with one, each reads its own entry.
TEST(DefLanguages, EachIdReadsItsOwnTextThroughTheInstalledTranslation)
{
    const QMetaObject& meta = DefLanguages::staticMetaObject;
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), static_cast<int>(std::size(kIds)));
    QTranslator korean;
    ASSERT_TRUE(korean.load(qmPath("ko_KR")));
    for (QTranslator* translator : {static_cast<QTranslator*>(nullptr), &korean}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
        for (int i = 0; i < static_cast<int>(std::size(kIds)); ++i) {
            const QMetaProperty property = meta.property(meta.propertyOffset() + i);
            EXPECT_STREQ(property.name(), kIds[i]);
            const QString expected = translator ? translator->translate("DefLanguages", kIds[i]) : kIds[i];
            EXPECT_EQ(property.read(DefLanguages::getInstance()).toString(), expected) << kIds[i];
        }
    }
    QCoreApplication::removeTranslator(&korean);
}

// The thirty locales and no other; every id translated (an unfinished or
// misspelt entry compiles to nothing); the product's name stays, and no
// English is left outside the English files but the shared "OK" and a
// loanword.
TEST(DefLanguages, EveryLocaleTranslatesEveryId)
{
    QStringList expected;
    for (const char* locale : kLocales)
        expected << qmPath(locale).mid(15);
    EXPECT_EQ(QDir(QStringLiteral(":/translations")).entryList(QDir::Files, QDir::Name), expected);
    QTranslator english;
    ASSERT_TRUE(english.load(qmPath("en_US")));
    for (const char* locale : kLocales) {
        SCOPED_TRACE(locale);
        QTranslator translator;
        ASSERT_TRUE(translator.load(qmPath(locale)));
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/wrenhop_%1.ts").arg(QLatin1String(locale))));
        const bool isEnglish = qstrncmp(locale, "en_", 3) == 0;
        for (const char* id : kIds) {
            const QString source = english.translate("DefLanguages", id);
            const QString text = translator.translate("DefLanguages", id);
            EXPECT_FALSE(text.trimmed().isEmpty()) << id;
            EXPECT_TRUE(!source.contains(QLatin1String("Cartaline")) || text.contains(QLatin1String("Cartaline"))) << id;
            const bool loanword = qstrcmp(locale, "it_IT") == 0 && qstrcmp(id, "LID_PC_60200_03") == 0;
            EXPECT_TRUE(isEnglish || loanword || source == QLatin1String("OK") || text != source) << id << " is English";
        }
    }
}
