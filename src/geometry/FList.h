#pragma once

#include "geometry/GeoAlloc.h"
#include "platform/Platform.h"

#include <new>

/// A circular doubly linked list of shape pointers it does not own. The head's previous node
/// is the tail, so a walk forward from any node comes round to it again.
template <class T> class CFList {
public:
    /// One link of the list.
    struct SNode {
        T* item = nullptr;
        SNode* next = nullptr;
        SNode* prev = nullptr;
    };

    CFList() = default;
    ~CFList() { Clear(); }
    CFList(const CFList&) = delete;
    CFList& operator=(const CFList&) = delete;

    /// Appends an item at the tail; false (after the memory message) when no node can be made.
    bool Add(T* item) {
        SNode* node = nullptr;
        try {
            CheckGeoAllocation(static_cast<std::size_t>(m_count) + 1);
            node = new SNode{item, nullptr, nullptr};
        } catch (const std::bad_alloc&) {
            MessageBoxOk("floatgeo.CFList.Add: memory exception");
            return false;
        }
        if (!m_head) {
            node->next = node->prev = node;
            m_head = node;
        } else {
            SNode* tail = m_head->prev;
            node->prev = tail;
            node->next = m_head;
            tail->next = node;
            m_head->prev = node;
        }
        ++m_count;
        return true;
    }

    /// Unlinks every node; the items themselves are left alone.
    void Clear() {
        for (int i = 0; i < m_count; ++i) {
            SNode* next = m_head->next;
            delete m_head;
            m_head = next;
        }
        m_head = nullptr;
        m_count = 0;
    }

    SNode* Head() const { return m_head; }
    int Count() const { return m_count; }

private:
    SNode* m_head = nullptr;
    int m_count = 0;
};
