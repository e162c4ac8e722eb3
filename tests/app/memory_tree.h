#pragma once
// An ITreeControl kept in memory, for tests of what the host asks of a tree.

#include "host/tree_control.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace vesk::app::test {

class MemoryTree final : public ITreeControl {
public:
    struct Node {
        TreeItem parent = 0;
        std::string text;
        std::uint32_t data = 0;
        std::vector<TreeItem> children;
    };

    TreeItem InsertItem(TreeItem parent, const char* text, int, int, std::uint32_t data) override
    {
        const TreeItem item = m_next++;
        m_nodes[item] = {parent, text, data, {}};
        (parent ? m_nodes[parent].children : m_roots).push_back(item);
        return item;
    }
    bool DeleteItem(TreeItem item) override
    {
        auto it = m_nodes.find(item);
        if (it == m_nodes.end())
            return false;
        for (TreeItem child : std::vector(it->second.children))
            DeleteItem(child);
        auto& siblings = it->second.parent ? m_nodes[it->second.parent].children : m_roots;
        siblings.erase(std::find(siblings.begin(), siblings.end(), item));
        m_nodes.erase(item);
        return true;
    }
    void DeleteAllItems() override
    {
        m_nodes.clear();
        m_roots.clear();
        m_caret = 0;
    }
    TreeItem GetRoot() const override { return m_roots.empty() ? 0 : m_roots.front(); }
    TreeItem GetChild(TreeItem item) const override
    {
        const auto& children = m_nodes.at(item).children;
        return children.empty() ? 0 : children.front();
    }
    TreeItem GetNextSibling(TreeItem item) const override
    {
        const TreeItem parent = m_nodes.at(item).parent;
        const auto& siblings = parent ? m_nodes.at(parent).children : m_roots;
        auto it = std::find(siblings.begin(), siblings.end(), item);
        return ++it == siblings.end() ? 0 : *it;
    }
    TreeItem GetParent(TreeItem item) const override { return m_nodes.at(item).parent; }
    std::uint32_t GetItemData(TreeItem item) const override { return m_nodes.at(item).data; }
    TreeItem GetCaret() const override { return m_caret; }
    void SelectCaret(TreeItem item) override { m_caret = item; }
    void Expand(TreeItem) override {}
    void SetFocus() override {}

private:
    std::map<TreeItem, Node> m_nodes;
    std::vector<TreeItem> m_roots;
    TreeItem m_next = 1;
    TreeItem m_caret = 0;
};

} // namespace vesk::app::test
