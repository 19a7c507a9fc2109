// SPDX-License-Identifier: LicenseRef-Wrenhop
// The string table and its 30 translations, read through the compiled files.
#include "deflanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaProperty>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const char* const kLocales[] = {
    "ar_ME", "bg_BG", "cs_CZ", "da_DK", "de_DE", "el_GR", "en_UK", "en_US", "es_EU", "et_EE",
    "fi_FI", "fr_CA", "fr_EU", "hr_HR", "hu_HU", "it_IT", "ko_KR", "lt_LT", "lv_LV", "nb_NO",
    "nl_NL", "pl_PL", "pt_PT", "ro_RO", "ru_RU", "sk_SK", "sl_SI", "sv_SE", "tr_TR", "uk_UA",
};

QString qmPath(const char* locale)
{
    return QStringLiteral(":/translations/wrenhop_%1.qm").arg(QLatin1String(locale));
}

// The ids of the string table: its properties, each named as its id.
QList<QByteArray> ids()
{
    QList<QByteArray> names;
    const QMetaObject& meta = DefLanguages::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << meta.property(i).name();
    return names;
}

} // namespace

// Without a translation each id reads as itself, so no getter answers with
// another's text. That the texts follow the installed translation the
// engine's profiles show.
TEST(DefLanguages, EachIdReadsItsOwnText)
{
    ASSERT_EQ(ids().size(), 40);
    for (const QByteArray& id : ids())
        EXPECT_EQ(DefLanguages::getInstance()->property(id).toString(), QString::fromLatin1(id));
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
        const bool isEnglish = qstrncmp(locale, "en_", 3) == 0;
        for (const QByteArray& id : ids()) {
            const QString source = english.translate("DefLanguages", id);
            const QString text = translator.translate("DefLanguages", id);
            EXPECT_FALSE(text.trimmed().isEmpty()) << id.constData();
            EXPECT_TRUE(!source.contains(QLatin1String("Cartaline")) || text.contains(QLatin1String("Cartaline"))) << id.constData();
            const bool loanword = qstrcmp(locale, "it_IT") == 0 && id == "LID_PC_60200_03";
            EXPECT_TRUE(isEnglish || loanword || source == QLatin1String("OK") || text != source) << id.constData() << " is English";
        }
    }
}
