// SPDX-License-Identifier: LicenseRef-Wrenhop
// The string table and its 30 translations, read through the compiled files.
#include "deflanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaProperty>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

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

// Thirty locales; every id translated (an unfinished or misspelt entry
// compiles to nothing); the product's name stays, and no English is left
// outside the English files but the shared "OK" and a loanword. That a
// locale's file is found under its name the engine's profiles show.
TEST(DefLanguages, EveryLocaleTranslatesEveryId)
{
    const QString folder = QStringLiteral(":/translations/");
    const QStringList files = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 30);
    QTranslator english;
    ASSERT_TRUE(english.load(folder + QStringLiteral("wrenhop_en_US.qm")));
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QTranslator translator;
        ASSERT_TRUE(translator.load(folder + file));
        const bool isEnglish = file.startsWith(QLatin1String("wrenhop_en_"));
        for (const QByteArray& id : ids()) {
            const QString source = english.translate("DefLanguages", id);
            const QString text = translator.translate("DefLanguages", id);
            EXPECT_FALSE(text.trimmed().isEmpty()) << id.constData();
            EXPECT_TRUE(!source.contains(QLatin1String("Cartaline")) || text.contains(QLatin1String("Cartaline"))) << id.constData();
            const bool loanword = file == QLatin1String("wrenhop_it_IT.qm") && id == "LID_PC_60200_03";
            EXPECT_TRUE(isEnglish || loanword || source == QLatin1String("OK") || text != source) << id.constData() << " is English";
        }
    }
}
