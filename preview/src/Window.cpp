#include "Window.h"

#include <SDL.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

#include "FrameRenderer.h"
#include "SkinNotice.h"
#include "SkinWatch.h"
#include "SonyHid.h"
#include "TempFolder.h"
#include "WindowInput.h"
#include "imgui.h"
#include "imgui_impl_sdl.h"
#include "vtxhost/Host.h"

namespace vtxpreview {

namespace fs = std::filesystem;

namespace {

constexpr int kFramesPerSecond = 60;
constexpr std::uint32_t kWatchEveryMs = 250; // a changed skin shows within a second
constexpr int kLargestWindowSide = 1280;     // the window opens at most this wide or high
constexpr float kNoticeTextSize = 16;        // window pixels: read at any scale the window has

std::runtime_error sdlFailure(const std::string& what) { return std::runtime_error(what + ": " + SDL_GetError()); }

// The window's first size: the game's shape, halved until it fits.
void initialWindowSize(const Size& game, int& width, int& height) {
    width = game.width;
    height = game.height;
    while (width > kLargestWindowSide || height > kLargestWindowSide) {
        width /= 2;
        height /= 2;
    }
}

// SDL's state of a controller, read at once.
ControllerSnapshot snapshotOf(SDL_GameController* controller) {
    ControllerSnapshot snapshot;
    for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX && button < 21; ++button)
        snapshot.buttons[button] =
            SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)) != 0;
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX && axis < 6; ++axis)
        snapshot.axes[axis] = SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(axis));
    return snapshot;
}

// A skin folder linked (or, where links are refused, copied) into the host's skins folder.
void installSkin(const fs::path& folder, const fs::path& skinsFolder, const std::string& name) {
    std::error_code error;
    fs::create_directories(skinsFolder, error);
    const fs::path target = skinsFolder / name;
    fs::create_directory_symlink(fs::absolute(folder), target, error);
    if (error)
        fs::copy(folder, target, fs::copy_options::recursive, error);
    if (error)
        throw std::runtime_error("cannot install the skin " + folder.string() + ": " + error.message());
}

// SDL falls back to an invisible "offscreen" display when there is none: a
// window nobody sees would look like a hang, so the window asks for a real
// one (unless SDL_VIDEODRIVER names a driver on purpose).
void chooseVideoDriver() {
    if (std::getenv("SDL_VIDEODRIVER"))
        return;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool hasX11 = x11 && *x11, hasWayland = wayland && *wayland;
    if (!hasX11 && !hasWayland)
        throw NoDisplay("no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a "
                        "desktop session or under xvfb-run");
    SDL_SetHint(SDL_HINT_VIDEODRIVER, hasWayland ? (hasX11 ? "wayland,x11" : "wayland") : "x11");
}

} // namespace

std::string installedSkinName(const fs::path& folder) {
    std::string name = fs::path(folder).lexically_normal().filename().string();
    if (name.empty() || name == "." || name == "..")
        name = fs::absolute(folder).lexically_normal().parent_path().filename().string();
    const bool hasLetter =
        std::any_of(name.begin(), name.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
    return hasLetter ? name : "skin" + name;
}

struct PreviewWindow::Impl {
    WindowOptions options;
    std::ostream& log;
    TempFolder data{"window-data"};
    TempFolder appdata{"window-appdata"};
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* game = nullptr; // the frame at the game's resolution
    std::unique_ptr<FramePainter> painter;
    std::unique_ptr<vtxhost::Host> host;
    std::array<SDL_GameController*, 4> pads{}; // by XInput index
    KeyState keys;
    SonyHidReader sony;
    std::unique_ptr<SkinWatch> watch;
    std::unique_ptr<SkinNotice> notice; // of the user's skin folder, when there is one
    std::vector<std::string> skinNames;
    std::uint32_t lastWatch = 0;
    bool mouseDown = false;
    int mouseX = 0, mouseY = 0;
    long long frames = 0;
    bool guiBackend = false; // Dear ImGui's SDL2 backend runs on the host's context

    Impl(const WindowOptions& windowOptions, std::ostream& logTo) : options(windowOptions), log(logTo), sony(logTo) {}

    ~Impl() {
        if (guiBackend) {
            ImGui::SetCurrentContext(host->guiContext());
            ImGui_ImplSDL2_Shutdown();
        }
        host.reset(); // the plugin goes before the machine it reads
        painter.reset();
        for (SDL_GameController* pad : pads)
            if (pad)
                SDL_GameControllerClose(pad);
        if (game)
            SDL_DestroyTexture(game);
        if (renderer)
            SDL_DestroyRenderer(renderer);
        if (window)
            SDL_DestroyWindow(window);
        vtxhost::devices().xinput = {};
        vtxhost::devices().roamingFolder.clear();
        // SDL stays initialised: quitting its video unloads the X11 libraries it
        // opened, with what they keep for the process, and a later window loads them again.
    }

    void openWindow() {
        // The plugin reads Sony pads' reports itself: SDL must leave them unopened.
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI_PS4, "0");
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI_PS5, "0");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        chooseVideoDriver();
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            throw NoDisplay(std::string("no display to open a window on (") + SDL_GetError() +
                            "); run it in a desktop session or under xvfb-run");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
            log << "no game controllers: " << SDL_GetError() << '\n';
        int width = 0, height = 0;
        initialWindowSize(options.size, width, height);
        window = SDL_CreateWindow("Vantrix preview", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  SDL_WINDOW_RESIZABLE);
        if (!window)
            throw sdlFailure("cannot open the window");
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_TARGETTEXTURE);
        if (!renderer)
            renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
        if (!renderer)
            throw sdlFailure("cannot draw in the window");
        game = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET, options.size.width,
                                 options.size.height);
        if (!game)
            throw sdlFailure("cannot make the game's picture");
        painter = std::make_unique<FramePainter>(renderer);
        SDL_StartTextInput();
    }

    void startHost() {
        const fs::path skinsFolder = data.path() / "Vantrix" / "skins";
        std::vector<fs::path> watched;
        for (const fs::path& folder : options.skins) {
            const std::string name = installedSkinName(folder);
            if (std::find(skinNames.begin(), skinNames.end(), name) != skinNames.end())
                continue; // the first of a name wins: --skin comes before the build's packs
            installSkin(folder, skinsFolder, name);
            skinNames.push_back(name);
            watched.push_back(folder);
        }
        watch = std::make_unique<SkinWatch>(watched);
        fs::create_directories(appdata.path());
        vtxhost::devices().roamingFolder = appdata.path();

        vtxhost::HostOptions hostOptions;
        hostOptions.dataFolder = data.path();
        hostOptions.displayWidth = options.size.width;
        hostOptions.displayHeight = options.size.height;
        hostOptions.onLog = [this](const std::string& line) { log << line << '\n'; };
        host = std::make_unique<vtxhost::Host>(std::move(hostOptions));
        host->setFrameRate(kFramesPerSecond);
        // On the field in an online match: where the overlay shows.
        host->game().online = true;
        host->game().car = true;
        host->game().map = "Stadium_P";
        std::string error;
        if (!host->load(options.plugin, &error))
            throw std::runtime_error("cannot load " + options.plugin.string() + ": " + error);
        if (!options.select.empty())
            host->executeCommand("vtx_skin " + vtxhost::quoteConsoleWord(options.select), false);
        if (!options.checked.empty()) {
            notice = std::make_unique<SkinNotice>(options.checked);
            notice->refresh(log);
        }
        startGuiBackend();
    }

    // Dear ImGui's SDL2 backend on the host's context gives the menu what the
    // game's own backend would beyond the host's keys and mouse: the mouse
    // wheel, the clipboard and the mouse cursor's shape. The host goes on
    // feeding the mouse position and the keys in the game's terms (virtual-key
    // codes, game pixels), so the backend's key map is put back.
    void startGuiBackend() {
        ImGui::SetCurrentContext(host->guiContext());
        ImGuiIO& io = ImGui::GetIO();
        int keyMap[ImGuiKey_COUNT];
        std::copy(std::begin(io.KeyMap), std::end(io.KeyMap), keyMap);
        guiBackend = ImGui_ImplSDL2_InitForOpenGL(window, nullptr);
        std::copy(std::begin(keyMap), std::end(keyMap), io.KeyMap);
    }

    void startGuiFrame() {
        if (!guiBackend)
            return;
        ImGui::SetCurrentContext(host->guiContext());
        ImGui_ImplSDL2_NewFrame(window);
        // The game's picture is drawn at its own resolution, one pixel per pixel.
        ImGui::GetIO().DisplayFramebufferScale = ImVec2(1, 1);
    }

    void openController(int joystickIndex) {
        if (!SDL_IsGameController(joystickIndex))
            return;
        // Sony pads reach the plugin as raw reports, as on Windows, never as XInput pads.
        if (SDL_JoystickGetDeviceVendor(joystickIndex) == kSonyVendorId)
            return;
        const auto free = std::find(pads.begin(), pads.end(), nullptr);
        if (free == pads.end())
            return; // XInput has four places
        *free = SDL_GameControllerOpen(joystickIndex);
        if (*free)
            log << "pad " << (free - pads.begin()) << ": " << SDL_GameControllerName(*free) << '\n';
    }

    void closeController(SDL_JoystickID id) {
        for (std::size_t i = 0; i < pads.size(); ++i) {
            if (pads[i] && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads[i])) == id) {
                SDL_GameControllerClose(pads[i]);
                pads[i] = nullptr;
                vtxhost::devices().xinput[i] = {};
            }
        }
    }

    void moveMouse(int windowX, int windowY) {
        int width = 0, height = 0;
        SDL_GetRendererOutputSize(renderer, &width, &height);
        int windowWidth = 0, windowHeight = 0;
        SDL_GetWindowSize(window, &windowWidth, &windowHeight);
        // Event positions are in window units; the output may have more pixels (high-DPI).
        const int x = windowWidth > 0 ? windowX * width / windowWidth : windowX;
        const int y = windowHeight > 0 ? windowY * height / windowHeight : windowY;
        const Letterbox box = fitLetterbox(options.size.width, options.size.height, width, height);
        windowToGame(box, options.size.width, options.size.height, x, y, mouseX, mouseY);
    }

    // False when the window was closed.
    bool handle(const SDL_Event& event) {
        switch (event.type) {
        case SDL_QUIT:
            return false;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (!event.key.repeat)
                keys.press(event.key.keysym.sym, event.type == SDL_KEYDOWN);
            break;
        case SDL_TEXTINPUT:
            host->typeText(event.text.text);
            break;
        case SDL_MOUSEMOTION:
            moveMouse(event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT)
                mouseDown = event.type == SDL_MOUSEBUTTONDOWN;
            moveMouse(event.button.x, event.button.y);
            break;
        case SDL_MOUSEWHEEL:
            if (guiBackend) {
                ImGui::SetCurrentContext(host->guiContext());
                ImGui_ImplSDL2_ProcessEvent(&event);
            }
            break;
        case SDL_CONTROLLERDEVICEADDED:
            openController(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            closeController(event.cdevice.which);
            break;
        default:
            break;
        }
        return true;
    }

    void feedPads() {
        for (std::size_t i = 0; i < pads.size(); ++i)
            if (pads[i])
                vtxhost::devices().xinput[i] = xinputStateOf(snapshotOf(pads[i]));
        sony.poll();
    }

    // The plugin reloads a skin's pictures when vtx_skin names it anew: the
    // name in other letters' case is the same skin, and a change.
    void reloadChangedSkin() {
        const std::uint32_t now = SDL_GetTicks();
        if (now - lastWatch < kWatchEveryMs)
            return;
        lastWatch = now;
        if (!watch->changed())
            return;
        if (notice)
            notice->refresh(log);
        const std::string active = host->cvarValue("vtx_skin").value_or("");
        if (active.empty())
            return;
        std::string other = active;
        for (char& c : other)
            c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(std::tolower(c));
        if (other == active)
            return;
        host->executeCommand("vtx_skin " + vtxhost::quoteConsoleWord(other), false);
        host->executeCommand("vtx_skin " + vtxhost::quoteConsoleWord(active), false);
        log << "skin files changed: " << active << " reloaded\n";
    }

    void present() {
        int width = 0, height = 0;
        SDL_GetRendererOutputSize(renderer, &width, &height);
        const Letterbox box = fitLetterbox(options.size.width, options.size.height, width, height);
        SDL_SetRenderTarget(renderer, game);
        painter->paint(host->lastFrame(), lastGuiFrame(*host), options.size.width, options.size.height);
        if (notice && !notice->lines().empty()) {
            // Drawn into the game's picture, at a size that reads once it is scaled to the window.
            const float scale = box.height > 0 ? static_cast<float>(box.height) / options.size.height : 1.0f;
            painter->paintNotice(notice->lines(), std::max(kNoticeTextSize / scale, 13.0f), options.size.width,
                                 options.size.height);
        }
        SDL_SetRenderTarget(renderer, nullptr);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        const SDL_Rect to{box.x, box.y, box.width, box.height};
        SDL_RenderCopy(renderer, game, nullptr, &to);
        SDL_RenderPresent(renderer);
    }

    bool step() {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            if (!handle(event))
                return false;
        feedPads();
        host->setMouse(mouseX, mouseY, mouseDown);
        reloadChangedSkin();
        startGuiFrame();
        host->frame();
        ++frames;
        present();
        return true;
    }

    Picture screenshot() {
        Picture picture{options.size.width, options.size.height,
                        std::vector<std::uint8_t>(static_cast<std::size_t>(options.size.width) *
                                                  static_cast<std::size_t>(options.size.height) * 4)};
        SDL_SetRenderTarget(renderer, game);
        const int read = SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, picture.rgba.data(),
                                              options.size.width * 4);
        SDL_SetRenderTarget(renderer, nullptr);
        if (read != 0)
            throw sdlFailure("cannot read the window's picture");
        return picture;
    }
};

PreviewWindow::PreviewWindow(const WindowOptions& options)
    : impl_(std::make_unique<Impl>(options, options.log ? *options.log : std::clog)) {
    impl_->openWindow();
    impl_->startHost();
}

PreviewWindow::~PreviewWindow() = default;

bool PreviewWindow::step() { return impl_->step(); }
Picture PreviewWindow::screenshot() { return impl_->screenshot(); }
vtxhost::Host& PreviewWindow::host() { return *impl_->host; }
long long PreviewWindow::frames() const { return impl_->frames; }

namespace {

// Skins for the window: --skin first, then the build's packs beside it.
std::vector<fs::path> windowSkins(const WindowRequest& request, const fs::path& defaultSkins) {
    std::vector<fs::path> skins;
    if (request.skin)
        skins.push_back(*request.skin);
    std::error_code error;
    std::vector<fs::path> packs;
    for (fs::directory_iterator it(defaultSkins, error), end; !error && it != end; it.increment(error))
        if (it->is_directory(error) && !it->path().filename().string().starts_with("."))
            packs.push_back(it->path());
    std::sort(packs.begin(), packs.end());
    skins.insert(skins.end(), packs.begin(), packs.end());
    return skins;
}

} // namespace

int runWindow(const WindowRequest& request, const fs::path& defaultSkins) {
    std::error_code error;
    if (request.skin && !fs::is_directory(*request.skin, error)) {
        std::cerr << "vantrix-preview: window: " << request.skin->string() << " is not a folder\n";
        return 2;
    }
    WindowOptions options;
    options.plugin = *request.plugin;
    options.skins = windowSkins(request, defaultSkins);
    options.select = request.skin ? installedSkinName(*request.skin) : std::string();
    if (request.skin)
        options.checked = *request.skin;
    options.size = request.size;
    options.log = &std::cout;
    try {
        PreviewWindow window(options);
        const auto start = std::chrono::steady_clock::now();
        auto next = start;
        const auto interval = std::chrono::microseconds(1'000'000 / kFramesPerSecond);
        while (window.step()) {
            if (request.quitAfter && window.frames() >= request.quitAfter)
                break;
            next += interval;
            const auto now = std::chrono::steady_clock::now();
            if (next > now)
                std::this_thread::sleep_for(next - now);
            else
                next = now; // behind: no catching up in a burst
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (request.screenshot) {
            std::string failure;
            if (!writePng(*request.screenshot, window.screenshot(), failure)) {
                std::cerr << "vantrix-preview: window: " << failure << '\n';
                return 2;
            }
        }
        std::cout << "window: " << window.frames() << " frames in " << seconds << " s ("
                  << (seconds > 0 ? window.frames() / seconds : 0.0) << " per second)\n";
        return 0;
    } catch (const NoDisplay& noDisplay) {
        std::cerr << "vantrix-preview: window: " << noDisplay.what() << '\n';
        return 2;
    }
}

} // namespace vtxpreview
