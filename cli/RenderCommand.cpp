#include "cli/RenderCommand.h"

#include <QGuiApplication>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/LoadedMap.h"
#include "cli/StreamReporter.h"
#include "model/CUniverse.h"
#include "random/GameData.h"
#include "text/TextHelpers.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/render/MapImageFile.h"
#include "ui/render/SystemMapPainter.h"

namespace {

struct RenderRequest {
    std::string map, output, system;
    bool oneSystem = false;
    double scale = 0;
    bool labels = true;
};

int Refuse(const CliContext& context, const std::string& message) {
    context.err << message << '\n';
    return ExitRefused;
}

// The request, or the message that refuses it.
std::optional<RenderRequest> ReadRequest(const CliContext& context, std::string& error) {
    const ParsedArgs parsed =
        ParseArgs({context.args.begin() + 1, context.args.end()}, {"-o", "--system", "--scale"}, {"--no-labels"});
    error = parsed.error;
    if (!error.empty()) return std::nullopt;
    RenderRequest request{context.args[0], parsed.Value("-o"), parsed.Value("--system")};
    request.oneSystem = parsed.Has("--system");
    request.labels = !parsed.Flag("--no-labels");
    if (request.output.empty()) error = "Name the picture to write with -o OUT.png";
    request.scale = request.oneSystem ? DefaultSystemImageScale : DefaultGalaxyImageScale;
    if (parsed.Has("--scale")) {
        const std::optional<double> scale = ParseReal(parsed.Value("--scale"));
        if (!scale || !IsImageScale(*scale))
            error = "The scale must be a number from " + FormatReal(MinImageScale) + " to " + FormatReal(MaxImageScale);
        else
            request.scale = *scale;
    }
    if (!error.empty()) return std::nullopt;
    return request;
}

// The first system of that name (names are compared without their blanks).
std::int32_t FindSystem(const CUniverse& universe, const std::string& name) {
    const std::string wanted = Trim(name);
    for (const SystemRef& system : universe.Systems())
        if (Trim(system->name) == wanted) return system->ID;
    return NoID;
}

// Painting text needs a GUI application; without a platform named by the
// user it runs on the offscreen one, so no display is needed.
std::unique_ptr<QGuiApplication> StartGui() {
    static int argc = 3;
    static char name[] = "dizizuzuri-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) argc = 1;
    return std::make_unique<QGuiApplication>(argc, argv);
}

QImage DrawGalaxy(const CUniverse& universe, const RenderRequest& request, Reporter& reporter) {
    GalaxyPainter painter;
    painter.SetUniverse(universe, &reporter);
    GalaxyPaintOptions options;
    options.hideLabels = !request.labels;
    return painter.Render(request.scale, options);
}

QImage DrawSystem(const LoadedMap& loaded, std::int32_t systemId, const CliContext& context,
                  const RenderRequest& request) {
    SystemMapPainter painter(loaded.data->Stellar, context.folders.Program);
    SystemMapPaintOptions options;
    options.hideLabels = !request.labels;
    return painter.Render(request.scale, *loaded.map.universe, systemId, options);
}

}  // namespace

int RunRenderCommand(const CliContext& context) {
    std::string error;
    const std::optional<RenderRequest> request = ReadRequest(context, error);
    if (!request) return Refuse(context, error);
    const LoadedMap loaded = LoadMapForCommand(context, request->map);
    if (!loaded.map.Ok()) {
        context.err << loaded.map.error << '\n';
        return ExitFailed;
    }
    const CUniverse& universe = *loaded.map.universe;
    std::int32_t systemId = NoID;
    if (request->oneSystem && (systemId = FindSystem(universe, request->system)) == NoID)
        return Refuse(context, "The map has no system named \"" + request->system + "\"");
    const std::unique_ptr<QGuiApplication> gui = StartGui();
    StreamReporter reporter(context.err);
    const QImage image =
        systemId == NoID ? DrawGalaxy(universe, *request, reporter) : DrawSystem(loaded, systemId, context, *request);
    const QString failure = WritePngSafely(image, QString::fromStdString(request->output));
    if (!failure.isEmpty()) {
        context.err << failure.toStdString() << '\n';
        return ExitFailed;
    }
    context.out << "Wrote " << request->output << ", " << image.width() << " x " << image.height() << " pixels\n";
    return ExitOk;
}
