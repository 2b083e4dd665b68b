#pragma once

// Brings the analysis panel back after a settings dialog closes, when the
// panel exists.
class EPanelReturn
{
public:
    static void showPanel();

private:
    EPanelReturn() = delete;
};
