// SPDX-License-Identifier: LicenseRef-Wrenhop
// The string table and its 30 translations, from the sources to the texts
// that a bound scene shows.
#include "deflanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <ostream>
#include <memory>
#include <vector>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

struct TextRow {
    const char* id;
    const char* enUS;
    const char* koKR;
};

// The ids in property order with their English and Korean texts.
const TextRow kTable[] = {
    {"LID_PC_60000_01", "Program Update",
     "프로그램 업데이트"},
    {"LID_PC_60000_02", "Installation file(s) are downloading.",
     "설치 파일을 다운로드하고 있습니다."},
    {"LID_PC_60000_03", "Program Already Running",
     "프로그램 중복 실행"},
    {"LID_PC_60000_04", "Cartaline is already running.",
     "Cartaline 프로그램이 이미 실행 중입니다."},
    {"LID_PC_60000_05", "OK",
     "확인"},
    {"LID_PC_60100_01", "Failed to Update Program",
     "프로그램 업데이트 실패"},
    {"LID_PC_60100_02", "Network is not connected. \nUpdate cannot proceed.",
     "네트워크에 연결되지 않아 업데이트를 진행할 수 없습니다."},
    {"LID_PC_60100_03", "Please try again after checking the network (including network cable and router), firewall, and antivirus program settings.",
     "네트워크 상태, 방화벽 또는 백신 프로그램을 확인한 후 다시 실행해 주세요."},
    {"LID_PC_60100_04", "OK",
     "확인"},
    {"LID_PC_60100_05", "Failed to Update Program",
     "프로그램 업데이트 실패"},
    {"LID_PC_60100_06", "Cannot find the update file.",
     "업데이트 파일을 찾을 수 없습니다."},
    {"LID_PC_60100_07", "Please try again later.",
     "잠시 후 다시 시도해 주세요."},
    {"LID_PC_60100_17", "If the problem persists, please contact the customer service.",
     "문제가 지속될 경우 고객센터에 문의해 주세요."},
    {"LID_PC_60100_08", "Visit the Customer Service Website",
     "고객센터 웹사이트 바로가기"},
    {"LID_PC_60100_09", "OK",
     "확인"},
    {"LID_PC_60100_10", "Stop Update",
     "프로그램 업데이트 중지"},
    {"LID_PC_60100_11", "Stop the update now?",
     "업데이트를 중지할까요?"},
    {"LID_PC_60100_18", "If you stop the update, the Cartaline will be closed automatically.",
     "업데이트를 중지하면 Cartaline가 자동 종료됩니다."},
    {"LID_PC_60100_12", "OK",
     "확인"},
    {"LID_PC_60100_13", "Failed to Update Program",
     "프로그램 업데이트 실패"},
    {"LID_PC_60100_14", "Cartaline has failed to update.",
     "Cartaline 업데이트를 하지 못했습니다."},
    {"LID_PC_60100_19", "Would you like to try again?",
     "다시 시도할까요?"},
    {"LID_PC_60100_15", "OK",
     "확인"},
    {"LID_PC_60100_16", "Cancel",
     "취소"},
    {"LID_PC_60200_01", "Cartaline is ready to be updated.",
     "Cartaline이(가) 변경하려고 합니다."},
    {"LID_PC_60200_16", "To allow this change, please type in the password.",
     "허용하려면 암호를 입력하세요."},
    {"LID_PC_60200_02", "User Name",
     "사용자 이름"},
    {"LID_PC_60200_03", "Password",
     "암호"},
    {"LID_PC_60200_04", "Cancel",
     "취소"},
    {"LID_PC_60200_05", "OK",
     "승인"},
    {"LID_PC_60200_06", "Failed to Update Program",
     "프로그램 업데이트 실패"},
    {"LID_PC_60200_07", "Network is not connected. \nUpdate cannot proceed.",
     "네트워크에 연결되지 않아 업데이트를 진행할 수 없습니다."},
    {"LID_PC_60200_08", "Please try again after checking the network (including network cable and router), firewall, \nand antivirus program settings.",
     "네트워크 상태, 방화벽 또는 백신 프로그램을 확인한 후 다시 실행해 주세요."},
    {"LID_PC_60200_09", "OK",
     "확인"},
    {"LID_PC_60200_10", "Failed to Update Program",
     "프로그램 업데이트 실패"},
    {"LID_PC_60200_11", "Failed to update the program.",
     "업데이트 파일을 찾을 수 없습니다."},
    {"LID_PC_60200_12", "Please try again later.",
     "잠시 후 다시 시도해 주세요."},
    {"LID_PC_60200_15", "If the problem persists, please contact the customer service.",
     "문제가 지속될 경우 고객센터에 문의해 주세요."},
    {"LID_PC_60200_13", "Visit the Customer Service Website",
     "고객센터 웹사이트 바로가기"},
    {"LID_PC_60200_14", "OK",
     "확인"},
};

const char* const kLocales[] = {
    "ar_ME", "bg_BG", "cs_CZ", "da_DK", "de_DE", "el_GR", "en_UK", "en_US", "es_EU", "et_EE",
    "fi_FI", "fr_CA", "fr_EU", "hr_HR", "hu_HU", "it_IT", "ko_KR", "lt_LT", "lv_LV", "nb_NO",
    "nl_NL", "pl_PL", "pt_PT", "ro_RO", "ru_RU", "sk_SK", "sl_SI", "sv_SE", "tr_TR", "uk_UA",
};

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

std::vector<TsMessage> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<TsMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage message;
            message.context = context;
            messages.push_back(message);
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString tsPath(const QString& locale)
{
    return QStringLiteral(WRENHOP_TEST_SOURCE_DIR "/translations/wrenhop_") + locale + QStringLiteral(".ts");
}

QString qmPath(const QString& locale)
{
    return QStringLiteral(":/translations/wrenhop_") + locale + QStringLiteral(".qm");
}

// Installs one translation for the lifetime of the object.
class InstalledTranslation
{
public:
    explicit InstalledTranslation(const QString& locale)
    {
        mLoaded = mTranslator.load(qmPath(locale));
        QCoreApplication::installTranslator(&mTranslator);
        emit DefLanguages::getInstance()->languageChanged();
    }
    ~InstalledTranslation()
    {
        QCoreApplication::removeTranslator(&mTranslator);
        emit DefLanguages::getInstance()->languageChanged();
    }
    bool loaded() const { return mLoaded; }
    const QTranslator& translator() const { return mTranslator; }

private:
    QTranslator mTranslator;
    bool mLoaded = false;
};

QString read(const char* id)
{
    return DefLanguages::getInstance()->property(id).toString();
}

} // namespace

TEST(DefLanguagesTable, PropertiesAreTheIdsInOrderNotifyingTheOneSignal)
{
    const QMetaObject& meta = DefLanguages::staticMetaObject;
    EXPECT_STREQ(meta.className(), "DefLanguages");
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), static_cast<int>(std::size(kTable)));
    for (int i = 0; i < static_cast<int>(std::size(kTable)); ++i) {
        const QMetaProperty property = meta.property(meta.propertyOffset() + i);
        EXPECT_STREQ(property.name(), kTable[i].id);
        EXPECT_FALSE(property.isWritable()) << kTable[i].id;
        EXPECT_EQ(property.notifySignal().methodSignature(), QByteArray("languageChanged()")) << kTable[i].id;
    }
    EXPECT_EQ(meta.methodCount() - meta.methodOffset(), 1);
}

TEST(DefLanguagesTable, WithoutTranslatorEveryTextIsItsId)
{
    for (const TextRow& row : kTable)
        EXPECT_EQ(read(row.id), QLatin1String(row.id));
}

class TranslationSource : public ::testing::TestWithParam<const char*>
{
};

// Every id, once, in the one context, translated; nothing else in the file.
TEST_P(TranslationSource, HoldsExactlyTheFortyIdsTranslated)
{
    const std::vector<TsMessage> messages = readTs(tsPath(QLatin1String(GetParam())));
    ASSERT_EQ(messages.size(), std::size(kTable));
    for (std::size_t i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(messages[i].context, QLatin1String("DefLanguages"));
        EXPECT_EQ(messages[i].source, QLatin1String(kTable[i].id));
        EXPECT_FALSE(messages[i].unfinished) << kTable[i].id;
        EXPECT_FALSE(messages[i].translation.trimmed().isEmpty()) << kTable[i].id;
    }
}

// The compiled file answers every id with the source's text, carries no
// language of its own, and the source file is embedded beside it.
TEST_P(TranslationSource, CompiledFileAnswersEveryIdWithTheSourceText)
{
    const QString locale = QLatin1String(GetParam());
    const std::vector<TsMessage> messages = readTs(tsPath(locale));
    ASSERT_EQ(messages.size(), std::size(kTable));

    QTranslator translator;
    ASSERT_TRUE(translator.load(qmPath(locale)));
    EXPECT_TRUE(translator.language().isEmpty());
    for (const TsMessage& message : messages) {
        EXPECT_EQ(translator.translate("DefLanguages", qPrintable(message.source)), message.translation)
            << qPrintable(message.source);
    }
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/wrenhop_") + locale + QStringLiteral(".ts")));
}

// Words that a language has taken over from English as they are.
bool isLoanword(const QString& locale, const char* id)
{
    return locale == QLatin1String("it_IT") && qstrcmp(id, "LID_PC_60200_03") == 0; // "Password"
}

// A text left in English is an untranslated one, except the "OK" that many
// languages share, loanwords and the British English file.
class ForeignTranslation : public ::testing::TestWithParam<const char*> {};

TEST_P(ForeignTranslation, LeavesNoEnglishText)
{
    const QString locale = QLatin1String(GetParam());
    InstalledTranslation translation(locale);
    ASSERT_TRUE(translation.loaded());
    for (const TextRow& row : kTable) {
        if (QLatin1String(row.enUS) == QLatin1String("OK") || isLoanword(locale, row.id))
            continue;
        const QString text = read(row.id);
        EXPECT_NE(text, QString::fromUtf8(row.enUS)) << row.id;
        EXPECT_NE(text, QLatin1String(row.id)) << row.id;
    }
}

// Where the English names the application, every language keeps the name.
TEST_P(TranslationSource, KeepsTheProductName)
{
    const InstalledTranslation translation{QLatin1String(GetParam())};
    ASSERT_TRUE(translation.loaded());
    for (const TextRow& row : kTable) {
        if (QString::fromUtf8(row.enUS).contains(QLatin1String("Cartaline"))) {
            EXPECT_TRUE(read(row.id).contains(QLatin1String("Cartaline"))) << row.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, TranslationSource, ::testing::ValuesIn(kLocales),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

std::vector<const char*> foreignLocales()
{
    std::vector<const char*> locales;
    for (const char* locale : kLocales) {
        if (qstrncmp(locale, "en_", 3) != 0)
            locales.push_back(locale);
    }
    return locales;
}

INSTANTIATE_TEST_SUITE_P(Locales, ForeignTranslation, ::testing::ValuesIn(foreignLocales()),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST(DefLanguagesTable, EnglishAndKoreanCarryTheTableTextsExactly)
{
    {
        InstalledTranslation english(QStringLiteral("en_US"));
        ASSERT_TRUE(english.loaded());
        for (const TextRow& row : kTable)
            EXPECT_EQ(read(row.id), QString::fromUtf8(row.enUS)) << row.id;
    }
    InstalledTranslation korean(QStringLiteral("ko_KR"));
    ASSERT_TRUE(korean.loaded());
    for (const TextRow& row : kTable)
        EXPECT_EQ(read(row.id), QString::fromUtf8(row.koKR)) << row.id;
}

TEST(DefLanguagesTable, NoCompiledFileOutsideTheThirtyLocales)
{
    const QStringList files = QDir(QStringLiteral(":/translations")).entryList(QDir::Files);
    EXPECT_EQ(files.size(), static_cast<int>(std::size(kLocales)));
    for (const char* locale : kLocales)
        EXPECT_TRUE(files.contains(QStringLiteral("wrenhop_") + QLatin1String(locale) + QStringLiteral(".qm"))) << locale;
}

// One signal refreshes a bound text in place: the item is not created anew.
TEST(DefLanguagesTable, LanguageSwitchRefreshesABoundTextWithoutReloading)
{
    QQmlEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("idString"), DefLanguages::getInstance());
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.9\n"
                      "Text { text: idString.LID_PC_60000_01 + '|' + idString.LID_PC_60200_14 }",
                      QUrl());
    const std::unique_ptr<QObject> text(component.create());
    ASSERT_TRUE(text) << component.errorString().toStdString();

    QSignalSpy textChanged(text.get(), SIGNAL(textChanged(QString)));
    auto korean = std::make_unique<InstalledTranslation>(QStringLiteral("ko_KR"));
    EXPECT_EQ(text->property("text").toString(), QStringLiteral("프로그램 업데이트|확인"));
    korean.reset();
    InstalledTranslation english(QStringLiteral("en_US"));
    EXPECT_EQ(text->property("text").toString(), QStringLiteral("Program Update|OK"));
    EXPECT_GE(textChanged.count(), 2);
}
