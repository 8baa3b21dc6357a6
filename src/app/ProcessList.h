#pragma once

class cProcess;

/// The scheduler: runs its processes once per tick, in the order they were added.
class cProcessList final {
public:
    ~cProcessList();

    /// Lists the process and tells it; 0 for a null process, otherwise its id.
    int add(cProcess* process);
    /// 1 when the id was listed and is now taken off, 0 otherwise.
    int remove(int id);
    int clearAll();
    int runAll();

private:
    struct cProcessNode {
        cProcessNode* next = nullptr;
        cProcessNode* prev = nullptr;
        cProcess* process = nullptr;
        int id = 0;
    };

    cProcessNode* first = nullptr;
    cProcessNode* last = nullptr;
};
