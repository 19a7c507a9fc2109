// SPDX-License-Identifier: LicenseRef-Wrenhop
// The string table and its 30 translations, read through the compiled files.
#include "deflanguages.h"

#include <QDir>
#include <QMetaProperty>
#include <QTranslator>

#include <gtest/gtest.h>

// Without a translation each id reads as itself, so no getter answers with
// another's text; every locale translates every id (an unfinished or misspelt
// entry compiles to nothing). That the texts follow the installed translation
// and that a locale's file is found under its name the engine's profiles show.
TEST(DefLanguages, EachIdReadsItsOwnTextAndEveryLocaleTranslatesIt)
{
    const QString folder = QStringLiteral(":/translations/");
    const QStringList files = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 30);
    const QMetaObject& meta = DefLanguages::staticMetaObject;
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), 40);
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const char* id = meta.property(i).name();
        EXPECT_EQ(DefLanguages::getInstance()->property(id).toString(), QLatin1String(id));
        for (const QString& file : files) {
            QTranslator translator;
            ASSERT_TRUE(translator.load(folder + file));
            EXPECT_FALSE(translator.translate("DefLanguages", id).trimmed().isEmpty()) << id << file.toStdString();
        }
    }
}
