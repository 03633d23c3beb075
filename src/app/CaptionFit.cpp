// How the captions of a language file fit their controls: the file applied to the program's own
// windows in a temporary world, every caption measured in the program's fonts.

#include "localisation/LanguageCheck.h"

#include "app/Environment.h"
#include "app/Forms.h"
#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/fldbrows.h"
#include "localisation/LanguageLines.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <map>

namespace localisation {

namespace {

/// The world of the check asks nothing: every question is answered no, every message unseen.
class QuietEnvironment : public Environment, public FolderPicker {
public:
    using Environment::Environment;

    void beep() override {}
    void showError(const QString&) override {}
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void showMessage(QWidget*, const QString&, const QString&) override {}
    FolderPicker& folderPicker() override { return *this; }
    std::optional<std::string> pickFolder(const TFolderBrowser&) override { return std::nullopt; }
};

/// What is too wide, by caption and control.
using Faults = std::map<std::pair<QString, QString>, QString>;

/// How many pixels a widget's own caption needs beyond its width (0 or less: it fits).
int ownOverflow(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        const QStyle* style = button->style();
        const int chrome = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return button->fontMetrics().horizontalAdvance(button->text()) + chrome - button->width();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&widget))
        return box->sizeHint().width() - box->width();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap())
            return 0;
        return label->fontMetrics().size(0, label->text()).width() - label->contentsRect().width();
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
        // All tabs in view, without the scroll buttons.
        int width = 0;
        for (int i = 0; i < tabs->count(); ++i)
            width += tabs->tabRect(i).width();
        return width - tabs->width();
    }
    return 0;
}

/// The caption a widget shows, or an empty text.
QString captionOf(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* tabs = qobject_cast<const QTabBar*>(&widget))
        return tabs->tabText(0);
    return {};
}

/// Every visible caption of `window` that is wider than its control or reaches out of the
/// control's parent, by the caption.
void measure(const QWidget& window, Faults& faults)
{
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString caption = captionOf(*widget);
        if (caption.isEmpty() || !widget->isVisibleTo(&window))
            continue;
        const QRect place = widget->geometry();
        const int outside = std::max(-place.left(), place.right() + 1 - widget->parentWidget()->width());
        const int over = std::max(ownOverflow(*widget), qobject_cast<const QTabBar*>(widget) ? 0 : outside);
        if (over > 0) {
            const QString control = QLatin1String(window.metaObject()->className()) + QLatin1Char('.') + widget->objectName();
            faults[{caption, control}] = QStringLiteral("\"%1\" is %2 pixels too wide for %3").arg(caption).arg(over).arg(control);
        }
    }
}

} // namespace

std::vector<LanguageFault> captionFaults(const std::string& path)
{
    QTemporaryDir root;
    const std::string world = root.path().toStdString();
    const std::string program = world + "/program";
    for (const char* folder : {"/program", "/documents", "/desktop", "/new maps"})
        std::filesystem::create_directories(world + folder);
    std::filesystem::copy_file(path, program + "/Checked.ini");
    LineList config = settings::defaultConfig();
    config[settings::kLanguageLine] = "Checked";
    config[settings::kNewMapsFolderLine] = world + "/new maps";
    settings::saveSettings(settings::configPath(program), config);

    QuietEnvironment env(program, world + "/documents", world + "/desktop");
    Forms forms(env);
    TForm1& form = *forms.Form1;
    Faults faults;
    form.show();
    measure(form, faults);
    form.CheckBox1->setChecked(true); // mapper mode, with its panels
    measure(form, faults);
    // Texts that a situation brings: the status of a map published already.
    for (const std::size_t line : {lines::kPublishedSame, lines::kPublishedDifferent}) {
        form.Label8->setText(form.languageText(line));
        measure(form, faults);
    }
    forms.Form2->show();
    measure(*forms.Form2, faults);
    forms.Form3->show();
    measure(*forms.Form3, faults);

    // Each caption at the line of the file that it shows (the longest one that it holds).
    std::vector<LanguageFault> found;
    for (const auto& [where, message] : faults) {
        const QString& caption = where.first;
        std::size_t shown = 0;
        for (std::size_t n = 1; n < lines::kEnd; ++n) {
            const QString text = form.languageText(n);
            if (!text.isEmpty() && caption.contains(text) && (shown == 0 || text.size() > form.languageText(shown).size()))
                shown = n;
        }
        found.push_back({shown + 1, message});
    }
    std::stable_sort(found.begin(), found.end(), [](const LanguageFault& a, const LanguageFault& b) { return a.line < b.line; });
    return found;
}

} // namespace localisation
