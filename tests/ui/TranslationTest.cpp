// SPDX-License-Identifier: GPL-3.0-or-later
// The window in German and French, and its English texts as the keys.
#include "support/FakeMessages.h"
#include "support/StandInAppDir.h"
#include "support/TextFile.h"
#include "support/WindowControls.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/Translation.h"

#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QMenuBar>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The source texts of a catalogue, in its order.
QStringList Sources(const QString& catalogue)
{
    QFile file(QStringLiteral(VANTOREL_SOURCE_DIR "/ui/translations/") + catalogue);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << catalogue.toStdString();
    QXmlStreamReader xml(&file);
    QStringList sources;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source")
            sources << xml.readElementText();
    }
    return sources;
}

// The text as a C++ string literal spells it.
std::string Literal(const QString& text)
{
    std::string literal = "\"";
    for (const char c : text.toStdString()) {
        switch (c) {
        case '\n': literal += "\\n"; break;
        case '\r': literal += "\\r"; break;
        case '"': literal += "\\\""; break;
        default: literal += c;
        }
    }
    return literal + "\"";
}

QStringList MenuTitles(const MainWindow& window)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

// Every text a catalogue translates is one of the program's own English
// texts, byte for byte, and both catalogues translate the same texts.
TEST(Translation, CataloguesTranslateTheProgramsOwnTextsAsTheyAre)
{
    const std::string texts = ReadText(VANTOREL_SOURCE_DIR "/core/Texts.h")
        + ReadText(VANTOREL_SOURCE_DIR "/core/cmdline/CommandLineBuilder.h");
    const QStringList german = Sources("vantorel_de.ts");
    EXPECT_GE(german.size(), 70);
    for (const QString& source : german)
        EXPECT_NE(texts.find(Literal(source)), std::string::npos) << Literal(source);
    EXPECT_EQ(Sources("vantorel_fr.ts"), german);
}

// Chosen by the locale, as LANG=de_DE.UTF-8 chooses it.
TEST(Translation, TheLocaleChoosesTheWindowsLanguageAndEnglishStaysExact)
{
    StandInAppDir encoder;
    FakeMessages messages;
    const QString dir = qEnvironmentVariable("VANTOREL_APPDIR");
    struct Case {
        const char* locale;
        QStringList menus;
        const char* addFiles;
        const char* duration;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", {"&Datei", "&Optionen", "&Hilfe"}, "&Hinzufügen", "Dauer"},
        {"fr_FR.UTF-8", {"&Fichier", "&Options", "&Aide"}, "&Ajouter", "Durée"},
        {"en_US.UTF-8", {"&File", "&Options", "&Help"}, "&Add Files", "Duration"},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QTranslator> catalogue(InstallTranslation(dir, QLocale(QString(c.locale))));
        EXPECT_EQ(catalogue != nullptr, std::string(c.locale).rfind("en", 0) != 0) << c.locale;
        Application app(encoder.appDir(), messages);
        EXPECT_EQ(MenuTitles(app.mainWindow()), c.menus) << c.locale;
        EXPECT_EQ(Find<QToolButton>(app.mainWindow(), "AddFileButton")->text(), QString::fromUtf8(c.addFiles));
        EXPECT_EQ(FileView(app.mainWindow())->model()->headerData(3, Qt::Horizontal).toString(), QString::fromUtf8(c.duration));
    }
}

} // namespace
