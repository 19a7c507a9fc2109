// SPDX-License-Identifier: LicenseRef-Wrenhop
// The string table and its 30 translations, from the sources to the texts
// that the table reads through the compiled files.
#include "deflanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TextRow {
    const char* id;
    const char* enUS;
    const char* koKR;
};

// The ids in property order with their English and Korean texts.
const TextRow kTable[] = {
    {"LID_PC_60000_01", "Program Update", "프로그램 업데이트"},
    {"LID_PC_60000_02", "Installation file(s) are downloading.", "설치 파일을 다운로드하고 있습니다."},
    {"LID_PC_60000_03", "Program Already Running", "프로그램 중복 실행"},
    {"LID_PC_60000_04", "Cartaline is already running.", "Cartaline 프로그램이 이미 실행 중입니다."},
    {"LID_PC_60000_05", "OK", "확인"},
    {"LID_PC_60100_01", "Failed to Update Program", "프로그램 업데이트 실패"},
    {"LID_PC_60100_02", "Network is not connected. \nUpdate cannot proceed.", "네트워크에 연결되지 않아 업데이트를 진행할 수 없습니다."},
    {"LID_PC_60100_03", "Please try again after checking the network (including network cable and router), firewall, and antivirus program settings.",
     "네트워크 상태, 방화벽 또는 백신 프로그램을 확인한 후 다시 실행해 주세요."},
    {"LID_PC_60100_04", "OK", "확인"},
    {"LID_PC_60100_05", "Failed to Update Program", "프로그램 업데이트 실패"},
    {"LID_PC_60100_06", "Cannot find the update file.", "업데이트 파일을 찾을 수 없습니다."},
    {"LID_PC_60100_07", "Please try again later.", "잠시 후 다시 시도해 주세요."},
    {"LID_PC_60100_17", "If the problem persists, please contact the customer service.", "문제가 지속될 경우 고객센터에 문의해 주세요."},
    {"LID_PC_60100_08", "Visit the Customer Service Website", "고객센터 웹사이트 바로가기"},
    {"LID_PC_60100_09", "OK", "확인"},
    {"LID_PC_60100_10", "Stop Update", "프로그램 업데이트 중지"},
    {"LID_PC_60100_11", "Stop the update now?", "업데이트를 중지할까요?"},
    {"LID_PC_60100_18", "If you stop the update, the Cartaline will be closed automatically.",
     "업데이트를 중지하면 Cartaline가 자동 종료됩니다."},
    {"LID_PC_60100_12", "OK", "확인"},
    {"LID_PC_60100_13", "Failed to Update Program", "프로그램 업데이트 실패"},
    {"LID_PC_60100_14", "Cartaline has failed to update.", "Cartaline 업데이트를 하지 못했습니다."},
    {"LID_PC_60100_19", "Would you like to try again?", "다시 시도할까요?"},
    {"LID_PC_60100_15", "OK", "확인"},
    {"LID_PC_60100_16", "Cancel", "취소"},
    {"LID_PC_60200_01", "Cartaline is ready to be updated.", "Cartaline이(가) 변경하려고 합니다."},
    {"LID_PC_60200_16", "To allow this change, please type in the password.", "허용하려면 암호를 입력하세요."},
    {"LID_PC_60200_02", "User Name", "사용자 이름"},
    {"LID_PC_60200_03", "Password", "암호"},
    {"LID_PC_60200_04", "Cancel", "취소"},
    {"LID_PC_60200_05", "OK", "승인"},
    {"LID_PC_60200_06", "Failed to Update Program", "프로그램 업데이트 실패"},
    {"LID_PC_60200_07", "Network is not connected. \nUpdate cannot proceed.", "네트워크에 연결되지 않아 업데이트를 진행할 수 없습니다."},
    {"LID_PC_60200_08", "Please try again after checking the network (including network cable and router), firewall, \nand antivirus program settings.",
     "네트워크 상태, 방화벽 또는 백신 프로그램을 확인한 후 다시 실행해 주세요."},
    {"LID_PC_60200_09", "OK", "확인"},
    {"LID_PC_60200_10", "Failed to Update Program", "프로그램 업데이트 실패"},
    {"LID_PC_60200_11", "Failed to update the program.", "업데이트 파일을 찾을 수 없습니다."},
    {"LID_PC_60200_12", "Please try again later.", "잠시 후 다시 시도해 주세요."},
    {"LID_PC_60200_15", "If the problem persists, please contact the customer service.", "문제가 지속될 경우 고객센터에 문의해 주세요."},
    {"LID_PC_60200_13", "Visit the Customer Service Website", "고객센터 웹사이트 바로가기"},
    {"LID_PC_60200_14", "OK", "확인"},
};

const char* const kLocales[] = {
    "ar_ME", "bg_BG", "cs_CZ", "da_DK", "de_DE", "el_GR", "en_UK", "en_US", "es_EU", "et_EE",
    "fi_FI", "fr_CA", "fr_EU", "hr_HR", "hu_HU", "it_IT", "ko_KR", "lt_LT", "lv_LV", "nb_NO",
    "nl_NL", "pl_PL", "pt_PT", "ro_RO", "ru_RU", "sk_SK", "sl_SI", "sv_SE", "tr_TR", "uk_UA",
};

struct TsMessage {
    std::string context;
    std::string source;
    std::string translation; // empty while unfinished
};

std::vector<TsMessage> readTs(const QString& locale)
{
    QFile file(QStringLiteral(WRENHOP_TEST_SOURCE_DIR "/translations/wrenhop_") + locale + QStringLiteral(".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::vector<TsMessage> messages;
    std::string context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText().toStdString();
        else if (xml.name() == QLatin1String("source"))
            messages.push_back({context, xml.readElementText().toStdString(), std::string()});
        else if (xml.name() == QLatin1String("translation") && !messages.empty())
            messages.back().translation = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished")
                ? std::string()
                : xml.readElementText().toStdString();
    }
    EXPECT_FALSE(xml.hasError()) << locale.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString qmPath(const char* locale)
{
    return QStringLiteral(":/translations/wrenhop_") + QLatin1String(locale) + QStringLiteral(".qm");
}

class Locale : public ::testing::TestWithParam<const char*>
{
};

} // namespace

// The table publishes the ids in order, read-only, through its one signal.
TEST(DefLanguages, EnglishAndKoreanCarryTheTableTextsExactly)
{
    const QMetaObject& meta = DefLanguages::staticMetaObject;
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), static_cast<int>(std::size(kTable)));
    EXPECT_EQ(meta.methodCount() - meta.methodOffset(), 1);
    for (const auto& [locale, column] : {std::pair{"en_US", &TextRow::enUS}, std::pair{"ko_KR", &TextRow::koKR}}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(qmPath(locale)));
        QCoreApplication::installTranslator(&translator);
        for (int i = 0; i < static_cast<int>(std::size(kTable)); ++i) {
            const QMetaProperty property = meta.property(meta.propertyOffset() + i);
            EXPECT_STREQ(property.name(), kTable[i].id);
            EXPECT_FALSE(property.isWritable()) << kTable[i].id;
            EXPECT_EQ(property.notifySignal().methodSignature(), QByteArray("languageChanged()")) << kTable[i].id;
            EXPECT_EQ(property.read(DefLanguages::getInstance()).toString().toStdString(), kTable[i].*column)
                << locale << " " << kTable[i].id;
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(DefLanguages, CompilesTheThirtyLocalesAndNoOther)
{
    QStringList expected;
    for (const char* locale : kLocales)
        expected << qmPath(locale).mid(15);
    EXPECT_EQ(QDir(QStringLiteral(":/translations")).entryList(QDir::Files, QDir::Name).join(' ').toStdString(),
              expected.join(' ').toStdString());
}

// Every id once, in the one context, translated; the compiled file answers it
// with the source's text; the product's name stays, and no English is left
// outside the English files but the shared "OK" and a loanword.
TEST_P(Locale, TranslatesEveryIdAndNothingElse)
{
    const QString locale = QLatin1String(GetParam());
    const std::vector<TsMessage> messages = readTs(locale);
    ASSERT_EQ(messages.size(), std::size(kTable));
    QTranslator translator;
    ASSERT_TRUE(translator.load(qmPath(GetParam())));
    EXPECT_TRUE(translator.language().isEmpty());
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/wrenhop_") + locale + QStringLiteral(".ts")));
    const bool english = locale.startsWith(QLatin1String("en_"));
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const TextRow& row = kTable[i];
        const std::string& text = messages[i].translation;
        EXPECT_EQ(messages[i].context, "DefLanguages");
        EXPECT_EQ(messages[i].source, row.id);
        EXPECT_FALSE(QString::fromStdString(text).trimmed().isEmpty()) << row.id;
        EXPECT_EQ(translator.translate("DefLanguages", row.id).toStdString(), text) << row.id;
        EXPECT_TRUE(!std::strstr(row.enUS, "Cartaline") || text.find("Cartaline") != std::string::npos) << row.id;
        const bool loanword = locale == QLatin1String("it_IT") && qstrcmp(row.id, "LID_PC_60200_03") == 0;
        EXPECT_TRUE(english || loanword || qstrcmp(row.enUS, "OK") == 0 || text != row.enUS) << row.id << " is English";
    }
}

INSTANTIATE_TEST_SUITE_P(Translations, Locale, ::testing::ValuesIn(kLocales),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
