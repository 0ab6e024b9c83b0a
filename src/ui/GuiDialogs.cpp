#include "ui/GuiDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// Window-modal on a visible parent, so other rundown windows stay usable; application-modal otherwise.
void setModality(QDialog& d, QWidget* parent) {
    d.setWindowModality(parent && parent->isVisible() ? Qt::WindowModal : Qt::ApplicationModal);
}

QString documentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

} // namespace

Dialogs::Button GuiDialogs::ask(const QString& message, const QString& explanation, const QString& action,
                                const QString& alternate, const QString& cancel) {
    QMessageBox box(m_parent);
    box.setIcon(QMessageBox::Warning);
    box.setText(message);
    box.setInformativeText(explanation);
    QAbstractButton* actionButton = nullptr;
    QAbstractButton* alternateButton = nullptr;
    QAbstractButton* cancelButton = nullptr;
    // A question with no captions at all still needs a way out.
    const bool noCaptions = action.isEmpty() && alternate.isEmpty() && cancel.isEmpty();
    if (!action.isEmpty() || noCaptions)
        actionButton = box.addButton(noCaptions ? QStringLiteral("OK") : action, QMessageBox::AcceptRole);
    if (!alternate.isEmpty())
        alternateButton = box.addButton(alternate, QMessageBox::DestructiveRole);
    if (!cancel.isEmpty())
        cancelButton = box.addButton(cancel, QMessageBox::RejectRole);
    if (actionButton)
        box.setDefaultButton(qobject_cast<QPushButton*>(actionButton));
    if (cancelButton)
        box.setEscapeButton(cancelButton);
    setModality(box, m_parent);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == actionButton)
        return Button::Action;
    if (clicked && clicked == alternateButton)
        return Button::Alternate;
    return Button::Cancel; // the cancel button, Escape, or the box closed by the window manager
}

void GuiDialogs::inform(const QString& message, const QString& explanation) {
    QMessageBox box(m_parent);
    box.setIcon(QMessageBox::Information);
    box.setText(message);
    box.setInformativeText(explanation);
    box.setStandardButtons(QMessageBox::Ok);
    setModality(box, m_parent);
    box.exec();
}

QString GuiDialogs::chooseOpenFile(const QString& title, const QStringList& nameFilters) {
    QFileDialog d(m_parent, title, documentsFolder());
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    if (!nameFilters.isEmpty())
        d.setNameFilters(nameFilters);
    setModality(d, m_parent);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().constFirst();
}

QString GuiDialogs::chooseSaveFile(const QString& title, const QStringList& nameFilters,
                                   const QString& suggestedName) {
    QFileDialog d(m_parent, title, documentsFolder());
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    if (!nameFilters.isEmpty())
        d.setNameFilters(nameFilters);
    d.setDefaultSuffix(defaultSuffix(nameFilters));
    if (!suggestedName.isEmpty())
        d.selectFile(suggestedName);
    setModality(d, m_parent);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().constFirst();
}

QString GuiDialogs::defaultSuffix(const QStringList& nameFilters) {
    if (nameFilters.isEmpty())
        return QString();
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([A-Za-z0-9_]+))"));
    const QRegularExpressionMatch m = pattern.match(nameFilters.constFirst());
    return m.hasMatch() ? m.captured(1) : QString();
}
