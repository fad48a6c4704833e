#pragma once
// Each window of the program exists once per run: made on first use, reached through that one
// instance, and unloaded at shut-down (the next use makes a fresh one).
//   class CWFrm : public DesignWindow, public SingleWindow<CWFrm> { friend class SingleWindow<CWFrm>; ... };
// A window that releases something when it unloads (a port, a player) gives itself a
// Form_Unload(); it runs before the window is deleted.
#include <QPointer>

template<class W>
class SingleWindow {
public:
    static W& instance()
    {
        if (!slot())
            slot() = new W();
        return *slot();
    }

    static bool loaded() { return !slot().isNull(); }

    static void unload()
    {
        W* w = slot().data();
        slot() = nullptr;
        if (!w)
            return;
        w->Form_Unload();
        delete w;
    }

protected:
    void Form_Unload() {}

private:
    static QPointer<W>& slot()
    {
        static QPointer<W> w;
        return w;
    }
};
