// The hub's parts are built here, where every module's complete type is known.
#include "core/zerin.h"

#include "app/program.h"

namespace zerin {

// Declared in the order they are built: the dispatcher reports through the output, the
// interpreter and the output window keep the hub they belong to.
struct Zerin::Parts {
    explicit Parts(Zerin& zerin) : dispatcher(run, zerin.output), interpreter(zerin), outputWindow(zerin) {}

    RunState run;
    Variables publicVars;
    Dispatcher dispatcher;
    Interpreter interpreter;
    ScriptStore scripts;
    PaneModel panes;
    PathGroups pathGroups;
    ImageList imageList;
    PosixFileSystem defaultFileSystem;
    ExtensionFileIcons defaultFileIcons;
    GeneralState general;
    OutputWindow outputWindow;
    TextEditorFile editorFile;
    ModeGroups modeGroups;
    ModeBars bars;
};

Zerin::Zerin(Platform& p)
    : platform(p),
      output(txtDebug, settings.textLog),
      m_parts(std::make_unique<Parts>(*this)),
      run(m_parts->run),
      publicVars(m_parts->publicVars),
      dispatcher(m_parts->dispatcher),
      interpreter(m_parts->interpreter),
      scripts(m_parts->scripts),
      panes(m_parts->panes),
      pathGroups(m_parts->pathGroups),
      imageList(m_parts->imageList),
      defaultFileSystem(m_parts->defaultFileSystem),
      fileSystem(&m_parts->defaultFileSystem),
      defaultFileIcons(m_parts->defaultFileIcons),
      fileIcons(&m_parts->defaultFileIcons),
      general(m_parts->general),
      outputWindow(m_parts->outputWindow),
      editorFile(m_parts->editorFile),
      modeGroups(m_parts->modeGroups),
      bars(m_parts->bars) {}

Zerin::~Zerin() = default;

}  // namespace zerin
