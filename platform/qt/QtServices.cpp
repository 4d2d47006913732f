#include "platform/qt/QtServices.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

namespace platform {
namespace {

QString nameFilter(const std::vector<std::string>& types) {
    if (types.empty()) return {};
    QStringList patterns;
    for (const auto& type : types) patterns << QStringLiteral("*.") + QString::fromStdString(type);
    return patterns.join(QLatin1Char(' '));
}

std::filesystem::path toPath(const QString& file) { return std::filesystem::path(file.toStdU16String()); }

// A file dialog's destruction saves its state to disk and tears down its
// file-system model: tens of milliseconds that would delay opening the file
// the user has just confirmed. So a finished dialog is only hidden, with the
// completion list of its name field, and destroyed when the next one opens.
class QtOpenPanel final : public OpenPanel {
public:
    explicit QtOpenPanel(QWidget* parent) : parent_(parent) {}
    ~QtOpenPanel() override { delete finished_; }
    QtOpenPanel(const QtOpenPanel&) = delete;
    QtOpenPanel& operator=(const QtOpenPanel&) = delete;

    std::optional<std::filesystem::path> runModal(const OpenPanelOptions& options) override {
        delete finished_;
        auto* dialog = new QFileDialog(parent_, QString::fromStdString(options.title));
        finished_ = dialog;
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(options.canChooseDirectories && !options.canChooseFiles ? QFileDialog::Directory
                                                                                    : QFileDialog::ExistingFile);
        if (const auto filter = nameFilter(options.allowedFileTypes); !filter.isEmpty()) dialog->setNameFilter(filter);
        dialog->setSizeGripEnabled(options.showsResizeIndicator);
        if (options.showsHiddenFiles) dialog->setFilter(dialog->filter() | QDir::Hidden);
        dialog->setOption(QFileDialog::ReadOnly, !options.canCreateDirectories);
        const bool accepted = dialog->exec() == QDialog::Accepted;
        // An open completion list would stay up, and take the next click.
        for (const auto* field : dialog->findChildren<QLineEdit*>())
            if (const QCompleter* completer = field->completer(); completer && completer->popup())
                completer->popup()->hide();
        if (!accepted) return std::nullopt;
        const auto files = dialog->selectedFiles();
        if (files.isEmpty()) return std::nullopt;
        return toPath(files.front());
    }

private:
    QPointer<QWidget> parent_;
    // The last dialog, hidden; a child of the window, so it may go with it.
    QPointer<QFileDialog> finished_;
};

// The platform's dialog reads double quotes in a typed name as the quoting of
// several names, and would save under the quoted part in the folder it was
// showing. A name with a double quote is refused instead, the dialog staying
// open for another.
class QuotedNameRefusingDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const auto* nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (nameField && nameField->text().contains(QLatin1Char('"'))) {
            QMessageBox box(QMessageBox::Warning, QString(),
                            QStringLiteral("The name “%1” cannot be used.").arg(nameField->text()),
                            QMessageBox::NoButton, this);
            box.setInformativeText(QStringLiteral("A file name cannot contain a double quote (\"). Please choose "
                                                  "another name."));
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.exec();
            return;
        }
        QFileDialog::accept();
    }
};

class QtSavePanel final : public SavePanel {
public:
    explicit QtSavePanel(QWidget* parent) : parent_(parent) {}

    void begin(const SavePanelOptions& options, Completion onConfirm) override {
        auto* dialog = new QuotedNameRefusingDialog(parent_, QString::fromStdString(options.title));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        if (const auto filter = nameFilter(options.allowedFileTypes); !filter.isEmpty()) {
            dialog->setNameFilter(filter);
            dialog->setDefaultSuffix(QString::fromStdString(options.allowedFileTypes.front()));
        }
        if (!options.canCreateDirectories) dialog->setOption(QFileDialog::ReadOnly, true);
        if (!options.suggestedFileName.empty()) dialog->selectFile(QString::fromStdString(options.suggestedFileName));
        QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                         [onConfirm = std::move(onConfirm)](const QString& file) {
                             if (!file.isEmpty() && onConfirm) onConfirm(toPath(file));
                         });
        dialog->open(); // window-modal, returns at once
    }

private:
    QPointer<QWidget> parent_;
};

class QtAlertPresenter final : public AlertPresenter {
public:
    explicit QtAlertPresenter(QWidget* parent) : parent_(parent) {}

    void runModal(const AlertContent& alert) override {
        QMessageBox box(parent_);
        switch (alert.style) {
        case AlertStyle::warning: box.setIcon(QMessageBox::Warning); break;
        case AlertStyle::informational: box.setIcon(QMessageBox::Information); break;
        case AlertStyle::critical: box.setIcon(QMessageBox::Critical); break;
        }
        box.setText(QString::fromStdString(alert.messageText));
        box.setInformativeText(QString::fromStdString(alert.informativeText));
        if (!alert.detailedText.empty()) box.setDetailedText(QString::fromStdString(alert.detailedText));
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
    }

private:
    QPointer<QWidget> parent_;
};

} // namespace

std::shared_ptr<OpenPanel> makeQtOpenPanel(QWidget* parent) { return std::make_shared<QtOpenPanel>(parent); }
std::shared_ptr<SavePanel> makeQtSavePanel(QWidget* parent) { return std::make_shared<QtSavePanel>(parent); }
std::shared_ptr<AlertPresenter> makeQtAlertPresenter(QWidget* parent) {
    return std::make_shared<QtAlertPresenter>(parent);
}

} // namespace platform
