// The main window's menus: the menu bars, the toolbar and the board's pop-up menu, built from
// the program's data, and the marks, captions and states of their items.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "qt/banded_menu.h"
#include "qt/main_window.h"
#include "qt/wallpaper_toolbar.h"

namespace qt {

namespace {

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

// The desktop's icon when its theme has one, else our own picture.
QIcon ThemeIcon(const std::string& name, const std::string& fallback) {
  return QIcon::fromTheme(Text(name),
                          fallback.empty() ? QIcon() : QIcon(Text(":/builtin/" + fallback)));
}

} // namespace

QAction* MainWindow::AddMenuItem(QMenu& menu, const MenuItem& item) {
  auto* action = menu.addAction(Text(item.caption));
  if (!item.shortcut.empty()) shortcuts_[action] = {item.bar, QKeySequence(Text(item.shortcut))};
  action->setCheckable(item.checkable);
  action->setChecked(item.checked);
  action->setEnabled(item.enabled);
  const int id = item.id;
  connect(action, &QAction::triggered, this, [this, id] { events_.OnCommand(id); });
  if (item.separatorAfter) menu.addSeparator();
  actions_[id] = action;
  return action;
}

QMenu* MainWindow::MenuNamed(const std::string& title, QMenu* parent, MenuBar bar) {
  QMenu*& menu = menus_[title];
  if (menu) return menu;
  auto* banded = new BandedMenu(Text(title), parent ? static_cast<QWidget*>(parent) : this);
  menu = banded;
  dropDowns_.push_back(banded);
  if (parent) {
    parent->addMenu(menu);
  } else {
    menuBar()->addMenu(menu);
    barMenus_.push_back({menu, bar});
  }
  return menu;
}

void MainWindow::AddMenuItems(const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    QMenu* menu = MenuNamed(item.menu, nullptr, item.bar);
    if (!item.submenu.empty()) menu = MenuNamed(item.submenu, menu, item.bar);
    QAction* action = AddMenuItem(*menu, item);
    if (item.radioGroup == 0) continue;
    QActionGroup*& group = groups_[{menu, item.radioGroup}];
    if (!group) group = new QActionGroup(menu);
    group->addAction(action);
  }
  ShowMenuBar(shownBar_);
}

void MainWindow::ShowMenuBar(MenuBar bar) {
  shownBar_ = bar;
  for (const auto& [menu, itsBar] : barMenus_) menu->menuAction()->setVisible(itsBar == bar);
  // The items of a hidden menu still answer their keys: only the bar on show keeps them.
  for (const auto& [action, shortcut] : shortcuts_)
    action->setShortcut(shortcut.bar == bar ? shortcut.keys : QKeySequence());
}

void MainWindow::SetMenus(const std::vector<MenuItem>& items, const std::vector<ToolItem>& tools) {
  AddMenuItems(items);

  auto* toolbar = toolbar_ = new WallpaperToolBar(this);
  toolbar->setWindowTitle("Toolbar");
  addToolBar(toolbar);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolbar->setMovable(false);
  for (const ToolItem& tool : tools) {
    auto* button = toolbar->addAction(ThemeIcon(tool.icon, tool.fallback), Text(tool.caption));
    if (!tool.hint.empty()) button->setToolTip(Text(tool.hint));
    const int id = tool.command;
    buttons_[id] = button;
    tools_[id] = tool;
    if (QAction* twin = Action(id); twin && tool.menuGlyph) AddGlyph(id, *twin);
    connect(button, &QAction::triggered, this, [this, id] { events_.OnCommand(id); });
    // The button follows its menu item, so the mode table enables both at once.
    if (QAction* twin = Action(id)) {
      button->setEnabled(twin->isEnabled());
      connect(twin, &QAction::changed, button,
              [button, twin] { button->setEnabled(twin->isEnabled()); });
    }
  }
}

void MainWindow::SetBoardPopup(const std::vector<PopupItem>& items) {
  auto* popup = new QMenu(this);
  for (const PopupItem& item : items) {
    QAction* action = popup->addAction(Text(item.caption));
    const int id = item.command;
    connect(action, &QAction::triggered, this, [this, id] { events_.OnCommand(id); });
    action->setEnabled(item.enabled);
    if (item.isDefault) {
      QFont bold = action->font();
      bold.setBold(true);
      action->setFont(bold);
      popup->setDefaultAction(action);
    }
    if (Button(id) && tools_[id].menuGlyph) AddGlyph(id, *action);
    QAction* twin = item.followsMenuBar ? Action(id) : nullptr;
    if (!twin) continue;
    action->setEnabled(twin->isEnabled());
    connect(twin, &QAction::changed, action,
            [action, twin] { action->setEnabled(twin->isEnabled()); });
  }
  board_->SetPopup(popup);
}

void MainWindow::EnableBoardPopup(bool enabled) {
  board_->EnablePopup(enabled);
}

QAction* MainWindow::Action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::Button(int id) const {
  const auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::SetCaptions(int id, const std::string& menuCaption,
                             const std::string& buttonCaption) {
  if (QAction* action = Action(id)) action->setText(Text(menuCaption));
  if (QAction* button = Button(id)) button->setText(Text(buttonCaption));
  if (panel_) panel_->SetButtonCaption(id, Text(buttonCaption));
}

void MainWindow::SetButtonLook(int id, bool other) {
  QAction* button = Button(id);
  if (!button) return;
  const ToolItem& tool = tools_[id];
  const QIcon icon =
      other ? ThemeIcon(tool.otherIcon, tool.otherFallback) : ThemeIcon(tool.icon, tool.fallback);
  button->setIcon(icon);
  for (QAction* glyph : glyphs_[id]) glyph->setIcon(icon);
}

void MainWindow::AddGlyph(int id, QAction& item) {
  item.setIcon(Button(id)->icon());
  glyphs_[id].push_back(&item);
}

void MainWindow::SetEnabled(int id, bool enabled) {
  if (QAction* action = Action(id)) action->setEnabled(enabled);
}

void MainWindow::SetVisible(int id, bool visible) {
  if (QAction* action = Action(id)) action->setVisible(visible);
}

void MainWindow::SetChecked(int id, bool checked) {
  if (QAction* action = Action(id)) action->setChecked(checked);
}

} // namespace qt
