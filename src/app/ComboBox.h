#pragma once

// The language box: a combo box of names kept as their bytes.

#include <QComboBox>

#include <string>

/// A combo box with an edit field whose entries are names kept as the bytes they came from.
/// Typing never completes a name, and `entryPicked` is emitted only when the user picks an
/// entry from the list, not when a typed text happens to equal one.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget* parent, const char* name);

    /// Appends an entry showing `bytes`.
    void addEntry(const std::string& bytes);
    /// The bytes of entry `index`.
    std::string entryBytes(int index) const;
    /// The first entry whose bytes equal `bytes`, -1 when none does.
    int findEntry(const std::string& bytes) const;

    void showPopup() override;

signals:
    /// An entry was picked: from the list, or by an arrow key or the mouse wheel on the closed
    /// box, as a Windows combo box picks; never by typed text.
    void entryPicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_typed = false; ///< the text was typed: an activation now is no pick
};
