#pragma once
// An in-memory navigation tree that prints itself as indented lines of
// "text [data]", so whole trees can be compared at once.

#include "host/tree_control.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vesk::test {

class FakeTree final : public ITreeControl {
public:
    struct Node {
        TreeItem parent = 0;
        std::string text;
        int image = 0;
        int selectedImage = 0;
        std::uint32_t data = 0;
        std::vector<TreeItem> children;
        bool alive = true;
    };

    TreeItem InsertItem(TreeItem parent, const char* text, int image, int selectedImage,
                        std::uint32_t data) override
    {
        m_nodes.push_back({parent, text, image, selectedImage, data, {}, true});
        const TreeItem item = static_cast<TreeItem>(m_nodes.size());
        (parent == 0 ? m_roots : At(parent).children).push_back(item);
        return item;
    }
    bool DeleteItem(TreeItem item) override
    {
        if (item == 0 || !At(item).alive)
            return false;
        auto& siblings = At(item).parent == 0 ? m_roots : At(At(item).parent).children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), item));
        Kill(item);
        return true;
    }
    void DeleteAllItems() override
    {
        for (TreeItem root : std::vector<TreeItem>(m_roots))
            DeleteItem(root);
        m_caret = 0;
    }
    TreeItem GetRoot() const override { return m_roots.empty() ? 0 : m_roots.front(); }
    TreeItem GetChild(TreeItem item) const override
    {
        return At(item).children.empty() ? 0 : At(item).children.front();
    }
    TreeItem GetNextSibling(TreeItem item) const override
    {
        const auto& siblings = At(item).parent == 0 ? m_roots : At(At(item).parent).children;
        auto it = std::find(siblings.begin(), siblings.end(), item);
        return ++it == siblings.end() ? 0 : *it;
    }
    TreeItem GetParent(TreeItem item) const override { return At(item).parent; }
    std::uint32_t GetItemData(TreeItem item) const override { return At(item).data; }
    TreeItem GetCaret() const override { return m_caret; }
    void SelectCaret(TreeItem item) override
    {
        m_caret = item;
        if (onSelect)
            onSelect(item);
    }
    void Expand(TreeItem item) override { expanded.push_back(item); }
    void SetFocus() override { ++focusCount; }

    const Node& At(TreeItem item) const { return m_nodes.at(static_cast<std::size_t>(item - 1)); }
    Node& At(TreeItem item) { return m_nodes.at(static_cast<std::size_t>(item - 1)); }

    // The first live item with this text, or 0.
    TreeItem Find(const std::string& text) const
    {
        for (std::size_t i = 0; i < m_nodes.size(); ++i) {
            if (m_nodes[i].alive && m_nodes[i].text == text)
                return static_cast<TreeItem>(i + 1);
        }
        return 0;
    }

    // The subtree of item (all roots when 0), one line per item.
    std::string Dump(TreeItem item = 0) const
    {
        std::string out;
        if (item == 0) {
            for (TreeItem root : m_roots)
                DumpInto(root, 0, out);
        } else {
            for (TreeItem child : At(item).children)
                DumpInto(child, 0, out);
        }
        return out;
    }

    std::vector<TreeItem> expanded;
    int focusCount = 0;
    std::function<void(TreeItem)> onSelect;

private:
    void Kill(TreeItem item)
    {
        At(item).alive = false;
        for (TreeItem child : At(item).children)
            Kill(child);
        if (m_caret == item)
            m_caret = 0;
    }
    void DumpInto(TreeItem item, int depth, std::string& out) const
    {
        char data[16];
        std::snprintf(data, sizeof data, "%X", At(item).data);
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + At(item).text + " [" + data + "]\n";
        for (TreeItem child : At(item).children)
            DumpInto(child, depth + 1, out);
    }

    std::vector<Node> m_nodes;
    std::vector<TreeItem> m_roots;
    TreeItem m_caret = 0;
};

} // namespace vesk::test
