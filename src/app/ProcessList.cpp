#include "app/ProcessList.h"

#include "app/Process.h"

cProcessList::~cProcessList() { clearAll(); }

int cProcessList::add(cProcess* process)
{
    if (!process) {
        return 0;
    }
    auto* node = new cProcessNode;
    node->prev = last;
    node->process = process;
    if (!first) {
        first = node;
        node->id = 1;
    } else {
        node->id = last->id + 1;
        last->next = node;
    }
    last = node;
    process->run(MSG_ADDED);
    return node->id;
}

int cProcessList::remove(int id)
{
    cProcessNode* node = first;
    while (node && node->id != id) {
        node = node->next;
    }
    if (!node) {
        return 0;
    }
    (node->prev ? node->prev->next : first) = node->next;
    (node->next ? node->next->prev : last) = node->prev;
    node->process->run(MSG_REMOVED);
    delete node;
    return 1;
}

int cProcessList::clearAll()
{
    if (!first) {
        return 0;
    }
    for (cProcessNode* node = first; node;) {
        cProcessNode* next = node->next;
        remove(node->id);
        node = next;
    }
    first = nullptr;
    last = nullptr;
    return 1;
}

int cProcessList::runAll()
{
    if (!first) {
        return 0;
    }
    // The successor is read after the call, so a process added during a tick
    // is ticked in the same pass.
    for (cProcessNode* node = first; node; node = node->next) {
        node->process->run(MSG_TICK);
    }
    return 1;
}
