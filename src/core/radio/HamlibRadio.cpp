#include "core/radio/HamlibRadio.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <clocale>
#include <cstdarg>
#include <memory>
#include <mutex>
#include <tuple>

#include "core/radio/HostReach.h"

namespace kmb {
namespace {

// Every request gives up after this long, so that a silent radio holds its
// thread at most this long (Hamlib's own retries are off: the caller tries
// again later).
constexpr int kLongestAnswerMs = 500;
// A network radio's host gets this long to be found and to accept the connection.
constexpr std::chrono::milliseconds kLongestConnection{3000};

int DropHamlibMessage(enum rig_debug_level_e, rig_ptr_t, const char*, va_list) { return 0; }

// Hamlib's list of models and its messages are the library's own state: set
// up once, before any handle exists.
void PrepareHamlib() {
  static std::once_flag prepared;
  std::call_once(prepared, [] {
    rig_set_debug(RIG_DEBUG_NONE);
    rig_set_debug_callback(DropHamlibMessage, nullptr);
    rig_load_all_backends();
    // Hamlib switches the numbers to the C locale around each opening and
    // gives back a locale name that it has freed, unless C is already the
    // locale of numbers: set once here. The program writes its own numbers
    // whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
  });
}

std::string HamlibFailure(int code) {
  switch (-std::abs(code)) {
    case -RIG_ETIMEOUT: return "la radio ne répond pas";
    case -RIG_EIO: return "le port ne s'ouvre pas ou la liaison est coupée";
    case -RIG_EPROTO: return "réponse illisible : vérifiez le modèle et la vitesse";
    case -RIG_ECONF: return "réglage refusé : vérifiez le port et la vitesse";
    case -RIG_ENIMPL:
    case -RIG_ENAVAIL: return "fonction absente de ce modèle";
    case -RIG_EINVAL: return "valeur refusée par la radio";
    case -RIG_ENOMEM: return "mémoire insuffisante";
    default: return "erreur Hamlib " + std::to_string(code);
  }
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

int AddModel(const rig_caps* caps, rig_ptr_t models) {
  static_cast<std::vector<RadioModel>*>(models)->push_back(
      {int(caps->rig_model), caps->mfg_name ? caps->mfg_name : "", caps->model_name ? caps->model_name : ""});
  return 1;  // go on
}

// A setting by its Hamlib name; false when the model refuses it.
bool Configure(RIG* rig, const char* name, const std::string& value) {
  const token_t token = rig_token_lookup(rig, name);
  return token != RIG_CONF_END && rig_set_conf(rig, token, value.c_str()) == RIG_OK;
}

// Hamlib answers a frequency of 0 with the last one it knew, beside the new
// mode: forgotten before each question, the radio's own answer shows.
void ForgetFrequencies(rig_cache& cache) {
  for (freq_t* known : {&cache.freqCurr, &cache.freqOther, &cache.freqMainA, &cache.freqMainB, &cache.freqMainC,
                        &cache.freqSubA, &cache.freqSubB, &cache.freqSubC, &cache.freqMem})
    *known = 0;
}

struct Cleanup {
  void operator()(RIG* rig) const { rig_cleanup(rig); }
};
using InitialisedRig = std::unique_ptr<RIG, Cleanup>;

// Why the radio cannot be reached; empty once it is open.
std::string OpenRig(RIG& rig, const RadioSetup& setup) {
  std::string port = setup.port;
  if (rig.caps->port_type == RIG_PORT_NETWORK && !port.empty()) {
    ReachedHost host = ReachHost(port, kLongestConnection);
    if (!host.failure.empty()) return host.failure;
    port = std::move(host.address);
  }
  const int timeout = std::min(rig.caps->timeout > 0 ? rig.caps->timeout : kLongestAnswerMs, kLongestAnswerMs);
  const bool configured = (port.empty() || Configure(&rig, "rig_pathname", port)) &&
                          (setup.speed <= 0 || Configure(&rig, "serial_speed", std::to_string(setup.speed))) &&
                          Configure(&rig, "timeout", std::to_string(timeout)) && Configure(&rig, "retry", "0");
  if (!configured) return "réglage refusé : vérifiez le port et la vitesse";
  if (const int opened = rig_open(&rig); opened != RIG_OK) return HamlibFailure(opened);
  // Hamlib would answer from its memory for half a second: every poll asks the radio itself.
  rig_set_cache_timeout_ms(&rig, HAMLIB_CACHE_ALL, 0);
  return {};
}

}  // namespace

std::vector<RadioModel> RadioModels() {
  PrepareHamlib();
  std::vector<RadioModel> models;
  rig_list_foreach(AddModel, &models);
  std::sort(models.begin(), models.end(), [](const RadioModel& a, const RadioModel& b) {
    return std::tuple(Lower(a.maker), Lower(a.name), a.number) < std::tuple(Lower(b.maker), Lower(b.name), b.number);
  });
  return models;
}

void HamlibRadio::Closer::operator()(s_rig* rig) const {
  rig_close(rig);
  rig_cleanup(rig);
}

HamlibRadio::HamlibRadio(const RadioSetup& setup) {
  PrepareHamlib();
  InitialisedRig rig(rig_init(setup.model));
  failure_ = rig ? OpenRig(*rig, setup) : "modèle " + std::to_string(setup.model) + " inconnu de Hamlib";
  if (failure_.empty()) rig_.reset(rig.release());
}

HamlibRadio::~HamlibRadio() = default;

RadioAnswer HamlibRadio::read() {
  if (!rig_) return {{}, failure_};
  ForgetFrequencies(rig_->state.cache);
  freq_t hertz = 0;
  if (const int read = rig_get_freq(rig_.get(), RIG_VFO_CURR, &hertz); read != RIG_OK) return {{}, HamlibFailure(read)};
  rmode_t mode = RIG_MODE_NONE;
  pbwidth_t width = 0;
  const int readMode = rig_get_mode(rig_.get(), RIG_VFO_CURR, &mode, &width);
  // A radio that cannot tell its mode still gives its band.
  const bool modeUnknown = readMode == -RIG_ENIMPL || readMode == -RIG_ENAVAIL;
  if (readMode != RIG_OK && !modeUnknown) return {{}, HamlibFailure(readMode)};
  if (modeUnknown) return {{double(hertz), std::nullopt}, ""};
  const char* name = rig_strrmode(mode);
  return {{double(hertz), std::string(name ? name : "")}, ""};
}

std::optional<std::string> HamlibRadio::tune(double hertz, const std::string& radioMode) {
  if (!rig_) return failure_;
  if (const int set = rig_set_freq(rig_.get(), RIG_VFO_CURR, freq_t(hertz)); set != RIG_OK) return HamlibFailure(set);
  if (radioMode.empty()) return std::nullopt;
  const rmode_t mode = rig_parse_mode(radioMode.c_str());
  if (const int set = rig_set_mode(rig_.get(), RIG_VFO_CURR, mode, RIG_PASSBAND_NOCHANGE); set != RIG_OK)
    return HamlibFailure(set);
  return std::nullopt;
}

}  // namespace kmb
