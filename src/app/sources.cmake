# The application: its object, the shell, the main panel, start-up checks, self-removal.
list(APPEND KELVANE_CORE_SOURCES
    app/PanelLayout.cpp
    app/SelfRemovalRule.cpp
)
list(APPEND KELVANE_WIN_SOURCES
    app/AboutDlg.cpp
    app/KelvaneDlg.cpp
    app/LibrarySearch.cpp
    app/SelfRemoval.cpp
    app/VandrellKelvaneApp.cpp
    app/VandrellKelvaneDlg.cpp
)
