#pragma once

#include "menuexitpage.h"

// Stand-in of the video browser until the playback screens exist: a
// full-screen page whose exit reports "playexit", as the browser does.
class Smaplayer : public MenuExitPage
{
    Q_OBJECT
public:
    explicit Smaplayer(QWidget *parent = nullptr);

    void CreateMplayerList(bool) { ++m_listBuilds; }
    int listBuilds() const { return m_listBuilds; }

private:
    int m_listBuilds = 0;
};
