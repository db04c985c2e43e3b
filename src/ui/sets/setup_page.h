#pragma once
// The Setup page: the scan of a directory of ROM or sample zips (upper group)
// and the transformations of the selected games' families (lower group).

#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <string>

#include "sets/file_lists.h"
#include "ui/right_page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace quorvex::ui {

class SetCommands;

// The source directory box: takes a directory dropped from the file manager
// and reports when it loses the focus.
class SourceDirectoryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit SourceDirectoryBox(QWidget* parent = nullptr);

signals:
    void FocusLost();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// Asks for a directory, starting at the given one; empty when the user cancelled.
using DirectoryChooser = std::function<QString(QWidget* parent, const QString& start)>;

class SetupPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    // commands (and what it refers to) must outlive the page.
    explicit SetupPage(SetCommands& commands, QWidget* parent = nullptr);

    // The page shows nothing of the current game.
    void ShowGame(const std::string& description, bool force) override;

    void SetDirectoryChooser(DirectoryChooser chooser) { m_chooseDirectory = std::move(chooser); }

    sets::NeededFileKind theme() const { return m_theme; }
    QPushButton* themeButton() const { return m_themeButton; }
    SourceDirectoryBox* sourceBox() const { return m_source; }
    QPushButton* browseButton() const { return m_browse; }
    QCheckBox* rescanAllBox() const { return m_rescanAll; }
    QCheckBox* veryFastBox() const { return m_veryFast; }
    QComboBox* assumptionList() const { return m_assumption; }
    QPushButton* scanButton() const { return m_scan; }
    QPushButton* selectAllButton() const { return m_selectAll; }
    QPushButton* standAloneButton() const { return m_standAlone; }
    QPushButton* mergedButton() const { return m_merged; }
    QPushButton* splittedButton() const { return m_splitted; }

    // The scan with the page's choices, as its button starts it.
    void BeginScan();

private:
    QWidget* BuildScanGroup();
    QWidget* BuildTransformationGroup();
    void ShowTheme(sets::NeededFileKind theme);
    void ToggleTheme();
    void RememberSourceDirectory();
    void Browse();
    void SelectAllGames();

    SetCommands& m_commands;
    sets::NeededFileKind m_theme = sets::NeededFileKind::Roms;
    DirectoryChooser m_chooseDirectory;

    QPushButton* m_themeButton = nullptr;
    QLabel* m_sourceLabel = nullptr;
    SourceDirectoryBox* m_source = nullptr;
    QPushButton* m_browse = nullptr;
    QCheckBox* m_rescanAll = nullptr;
    QCheckBox* m_veryFast = nullptr;
    QComboBox* m_assumption = nullptr;
    QPushButton* m_scan = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_standAlone = nullptr;
    QPushButton* m_merged = nullptr;
    QPushButton* m_splitted = nullptr;
};

}  // namespace quorvex::ui
