#include "WindowLanguage.h"

#include "Binder.h"
#include "QtText.h"

#include <QApplication>
#include <QLayout>
#include <QWidget>

namespace ortavel {

WindowLanguage::WindowLanguage(QString folder)
    : m_folder(std::move(folder)), m_translator(std::make_unique<TextTranslator>(TextLanguage::Specified, m_folder))
{
}

WindowLanguage::~WindowLanguage()
{
    setShownTranslator(nullptr);
    uninstall();
}

bool WindowLanguage::choose(TextLanguage language)
{
    auto next = std::make_unique<TextTranslator>(language, m_folder);
    const bool loaded = next->loaded();
    if (!loaded)
        next = std::make_unique<TextTranslator>(TextLanguage::Specified, m_folder);
    uninstall();
    m_translator = std::move(next);
    for (QTranslator *texts : {m_translator->texts(), m_translator->qtTexts()})
        if (texts != nullptr)
            QCoreApplication::installTranslator(texts);
    setShownTranslator(m_translator.get());
    // Views of their own texts follow QEvent::LanguageChange; bound controls
    // are shown again here, so nothing waits for the event loop.
    Binder::refreshAll();
    growToFit();
    return loaded;
}

void WindowLanguage::growToFit()
{
    // Longer texts need more room than the window was opened with; a window
    // never shrinks under the operator.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (QLayout *layout = window->layout(); layout != nullptr)
            layout->activate();
        const QSize needed = window->size().expandedTo(window->minimumSizeHint());
        if (needed != window->size())
            window->resize(needed);
    }
}

void WindowLanguage::uninstall()
{
    for (QTranslator *texts : {m_translator->texts(), m_translator->qtTexts()})
        if (texts != nullptr)
            QCoreApplication::removeTranslator(texts);
}

} // namespace ortavel
