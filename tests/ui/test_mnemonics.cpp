// Keyboard mnemonics of both screens against the menu bar's: Alt with a
// letter opens a menu whatever screen is shown, so no control of either
// screen may take a menu's letter, and no two controls of a screen one
// letter.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <map>
#include <optional>

#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"

namespace appui {
namespace {

// The letter after a single '&' ("&&" is a literal ampersand), lower-cased;
// none when the text has no mnemonic.
std::optional<QChar> mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return std::nullopt;
}

// Each mnemonic of a screen's controls with the texts that carry it.
std::multimap<QChar, QString> mnemonicsOf(const QWidget& screen) {
    std::multimap<QChar, QString> found;
    const auto note = [&](const QString& text) {
        if (const auto letter = mnemonicOf(text)) found.emplace(*letter, text);
    };
    for (const auto* button : screen.findChildren<QAbstractButton*>()) note(button->text());
    for (const auto* box : screen.findChildren<QGroupBox*>()) note(box->title());
    for (const auto* label : screen.findChildren<QLabel*>())
        if (label->buddy()) note(label->text());
    return found;
}

TEST(Mnemonics, NoControlOfEitherScreenTakesAMenuLetterOrAnotherControlsLetter) {
    ApplicationShell shell;
    auto& window = shell.mainWindow();
    std::map<QChar, QString> menus;
    for (const auto* action : window.menuBar()->actions())
        if (const auto letter = mnemonicOf(action->text())) menus.emplace(*letter, action->text());
    ASSERT_EQ(menus.count(QLatin1Char('f')), 1u) << "the File menu opens with Alt+F";

    const std::pair<const char*, const QWidget*> screens[] = {{"blending", window.blendingScreen()},
                                                              {"linearization", window.linearizationScreen()}};
    for (const auto& [name, screen] : screens) {
        SCOPED_TRACE(name);
        ASSERT_NE(screen, nullptr);
        const auto mnemonics = mnemonicsOf(*screen);
        for (const auto& [letter, text] : mnemonics) {
            EXPECT_EQ(menus.count(letter), 0u)
                << text.toStdString() << " takes the letter of the menu " << menus[letter].toStdString();
            EXPECT_EQ(mnemonics.count(letter), 1u) << text.toStdString() << " shares its letter";
        }
    }
}

} // namespace
} // namespace appui
