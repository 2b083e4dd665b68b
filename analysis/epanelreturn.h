#pragma once

// Brings the analysis panel back after a settings dialog closes, once the
// panel exists.
class EPanelReturn
{
public:
    static void showPanel();

private:
    EPanelReturn() = delete;
};
