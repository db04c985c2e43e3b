#pragma once
// The dialog after a catalogue import that lists the games the emulator
// supports for the first time and those it no longer lists.

#include <QDialog>
#include <QStringList>

#include "store/session.h"

class QLabel;
class QListWidget;

namespace quorvex::ui {

class WhatsNewDialog : public QDialog {
    Q_OBJECT
public:
    explicit WhatsNewDialog(const store::CatalogueChanges& changes, QWidget* parent = nullptr);

    QListWidget* newGames() const { return m_newGames; }
    QListWidget* goneGames() const { return m_goneGames; }
    QLabel* newCounter() const { return m_newCounter; }
    QLabel* goneCounter() const { return m_goneCounter; }

private:
    QListWidget* m_newGames;
    QListWidget* m_goneGames;
    QLabel* m_newCounter;
    QLabel* m_goneCounter;
};

// The descriptions (field B) of the records, in alphabetical order ignoring case.
QStringList SortedDescriptions(const std::vector<store::GameRecord>& records);

}  // namespace quorvex::ui
