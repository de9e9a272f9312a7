// The main menu as a table: captions in order, separators as "-", and the
// window each entry opens. Menu codes follow from positions only.
#pragma once

#include <QString>
#include <vector>

namespace tj::app {

struct MenuNode {
    QString caption;      // "-" for a separator line
    QString opens;        // window class opened by the entry; empty for sub-menus and separators
    std::vector<MenuNode> children;

    bool isSeparator() const { return caption == QStringLiteral("-"); }
    bool isSubMenu() const { return !children.empty(); }
};

// The whole menu tree of the main window.
const std::vector<MenuNode>& MainMenuTree();

// Code of an entry from the 1-based positions of its ancestors and itself:
// two zero-padded digits per level ({6, 8, 1} -> "060801").
QString MenuCode(const std::vector<int>& positions);

// Every entry of the tree with its code, depth-first in menu order.
struct MenuCodeEntry {
    QString code;
    QString caption;
    QString opens;
    bool hasChildren = false;
};
std::vector<MenuCodeEntry> FlattenMenu(const std::vector<MenuNode>& tree);

}  // namespace tj::app
