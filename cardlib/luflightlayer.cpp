#include "cardlib/luflightlayer.h"

#include <QApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

bool GManualTime = false;

// The shadow is the image's own outline in a translucent black, so a card
// with rounded corners throws a card-shaped shadow.
QImage ShadowOf(const QImage& Image)
{
    QImage Shadow = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter Painter(&Shadow);
    Painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    Painter.fillRect(Shadow.rect(), QColor(0, 0, 0, 72));
    return Shadow;
}

// One frame per refresh of the screen the form shows on: 16 ms at 60 Hz.
int FrameIntervalFor(const QWidget* Form)
{
    const QScreen* Screen = Form->screen();
    const double Rate = Screen ? Screen->refreshRate() : 60.0;
    const int Interval = Rate > 0 ? static_cast<int>(std::floor(1000.0 / Rate)) : 16;
    return std::clamp(Interval, 4, 40);
}

} // namespace

TLuFlightLayer::TLuFlightLayer(QWidget* Form) : QWidget(Form)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("FlightLayer"));
    FFrame.setTimerType(Qt::PreciseTimer);
    connect(&FFrame, &QTimer::timeout, this, &TLuFlightLayer::Tick);
    Form->installEventFilter(this);
    Follow();
    show();
}

TLuFlightLayer::~TLuFlightLayer() = default;

TLuFlightLayer* TLuFlightLayer::Of(QWidget* Form)
{
    if (auto* Layer = Form->findChild<TLuFlightLayer*>(QString(), Qt::FindDirectChildrenOnly))
        return Layer;
    return new TLuFlightLayer(Form);
}

void TLuFlightLayer::SetManualTime(bool Manual)
{
    GManualTime = Manual;
}

bool TLuFlightLayer::ManualTime()
{
    return GManualTime;
}

void TLuFlightLayer::Follow()
{
    if (QWidget* Form = parentWidget(); Form && geometry() != Form->rect())
        setGeometry(Form->rect());
    raise();
}

TLuFlightLayer::TFlightId TLuFlightLayer::Launch(const QImage& Image, QPoint From, QPoint To, int Duration,
                                                 TLandedEvent OnLanded, int Delay)
{
    TFlight Flight;
    Flight.Id = FNextId++;
    Flight.Image = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (FShadowOffset > 0) {
        Flight.Shadow = ShadowFor(Flight.Image);
        Flight.ShadowOffset = FShadowOffset;
    }
    Flight.From = From;
    Flight.To = To;
    Flight.Duration = std::max(1, Duration);
    Flight.Delay = std::max(0, Delay);
    Flight.At = From;
    Flight.OnLanded = std::move(OnLanded);
    FFlights.push_back(std::move(Flight));
    // Controls made since the last flight would lie above the layer.
    Follow();
    if (FFlights.back().Started())
        update(Area(FFlights.back()));
    StartClock();
    return FFlights.back().Id;
}

QImage TLuFlightLayer::ShadowFor(const QImage& Image)
{
    // Pictures no longer flown leave their shadows behind: a full store
    // starts again rather than grow with every picture a long run makes.
    constexpr std::size_t MostShadows = 128;
    const qint64 Key = Image.cacheKey();
    if (const auto It = FShadows.find(Key); It != FShadows.end())
        return It->second;
    if (FShadows.size() >= MostShadows)
        FShadows.clear();
    return FShadows.emplace(Key, ShadowOf(Image)).first->second;
}

const TLuFlightLayer::TFlight* TLuFlightLayer::Find(TFlightId Id) const
{
    const auto It = std::find_if(FFlights.begin(), FFlights.end(), [Id](const TFlight& F) { return F.Id == Id; });
    return It == FFlights.end() ? nullptr : &*It;
}

QPoint TLuFlightLayer::Position(TFlightId Id) const
{
    const TFlight* Flight = Find(Id);
    return Flight ? Flight->At : QPoint();
}

bool TLuFlightLayer::Shown(TFlightId Id) const
{
    const TFlight* Flight = Find(Id);
    return Flight && Flight->Started();
}

std::vector<TLuFlightLayer::TFlightId> TLuFlightLayer::Flights() const
{
    std::vector<TFlightId> Ids;
    for (const TFlight& Flight : FFlights)
        Ids.push_back(Flight.Id);
    return Ids;
}

QPoint TLuFlightLayer::PlaceAt(const TFlight& Flight) const
{
    const double Progress = std::clamp((Flight.Elapsed - Flight.Delay) / Flight.Duration, 0.0, 1.0);
    const double Eased = FEasing.valueForProgress(Progress);
    const QPoint Way = Flight.To - Flight.From;
    return Flight.From + QPoint(static_cast<int>(std::lround(Way.x() * Eased)),
                                static_cast<int>(std::lround(Way.y() * Eased)));
}

QRect TLuFlightLayer::Area(const TFlight& Flight) const
{
    const QRect Image(Flight.At, Flight.Image.size());
    if (Flight.Shadow.isNull())
        return Image;
    return Image.united(Image.translated(Flight.ShadowOffset, Flight.ShadowOffset));
}

void TLuFlightLayer::StartClock()
{
    if (GManualTime || FFrame.isActive() || FFlights.empty())
        return;
    // A flight launched while a question is open waits for its answer.
    QWidget* Window = window();
    const QWidget* Modal = QApplication::activeModalWidget();
    FHeld = Modal && Modal != Window && !Window->isAncestorOf(Modal) && !Modal->isAncestorOf(Window);
    if (Window != FWatchedWindow && Window != parentWidget()) {
        if (FWatchedWindow)
            FWatchedWindow->removeEventFilter(this);
        Window->installEventFilter(this);
        FWatchedWindow = Window;
    }
    FFrame.setInterval(FrameIntervalFor(this));
    FClock.start();
    FFrame.start();
}

void TLuFlightLayer::Tick()
{
    const double Milliseconds = static_cast<double>(FClock.nsecsElapsed()) / 1e6;
    FClock.restart();
    if (!FHeld)
        Advance(Milliseconds);
}

void TLuFlightLayer::Advance(double Milliseconds)
{
    QRegion Dirty;
    std::vector<TFlight> Arrived;
    for (auto It = FFlights.begin(); It != FFlights.end();) {
        const bool WasShown = It->Started();
        if (WasShown)
            Dirty += Area(*It);
        It->Elapsed += std::max(0.0, Milliseconds);
        if (It->Arrived()) {
            It->At = It->To;
            Dirty += Area(*It);
            Arrived.push_back(std::move(*It));
            It = FFlights.erase(It);
            continue;
        }
        if (It->Started()) {
            It->At = PlaceAt(*It);
            Dirty += Area(*It);
        }
        ++It;
    }
    if (!Dirty.isEmpty())
        update(Dirty);
    Arrive(std::move(Arrived));
}

void TLuFlightLayer::Land(TFlightId Id)
{
    const auto It = std::find_if(FFlights.begin(), FFlights.end(), [Id](const TFlight& F) { return F.Id == Id; });
    if (It == FFlights.end())
        return;
    std::vector<TFlight> Arrived;
    if (It->Started())
        update(Area(*It));
    It->At = It->To;
    update(Area(*It));
    Arrived.push_back(std::move(*It));
    FFlights.erase(It);
    Arrive(std::move(Arrived));
}

void TLuFlightLayer::LandAll()
{
    std::vector<TFlight> Arrived = std::move(FFlights);
    FFlights.clear();
    for (TFlight& Flight : Arrived) {
        if (Flight.Started())
            update(Area(Flight));
        Flight.At = Flight.To;
        update(Area(Flight));
    }
    Arrive(std::move(Arrived));
}

void TLuFlightLayer::Cancel(TFlightId Id)
{
    const auto It = std::find_if(FFlights.begin(), FFlights.end(), [Id](const TFlight& F) { return F.Id == Id; });
    if (It == FFlights.end()) {
        const auto Landing =
            std::find_if(FLanding.begin(), FLanding.end(), [Id](const TFlight& F) { return F.Id == Id; });
        if (Landing != FLanding.end()) {
            update(Area(*Landing));
            FLanding.erase(Landing);
        }
        return;
    }
    if (It->Started())
        update(Area(*It));
    FFlights.erase(It);
    if (FFlights.empty())
        FFrame.stop();
}

void TLuFlightLayer::CancelAll()
{
    for (const TFlight& Flight : FFlights)
        if (Flight.Started())
            update(Area(Flight));
    for (const TFlight& Flight : FLanding)
        update(Area(Flight));
    FFlights.clear();
    FLanding.clear();
    FFrame.stop();
}

void TLuFlightLayer::Arrive(std::vector<TFlight> Arrived)
{
    // No timer runs while nothing moves.
    if (FFlights.empty())
        FFrame.stop();
    // The flights of a frame land one callback after another, and a
    // callback that repaints shows the whole window as it is then: each
    // flight of the frame stays drawn at its end until its own callback
    // has laid what it carries, so no place shows bare (or its old card)
    // in between.
    std::vector<TFlightId> Ids;
    for (TFlight& Flight : Arrived) {
        Ids.push_back(Flight.Id);
        FLanding.push_back(std::move(Flight));
    }
    // A callback may close the form, and the layer with it. One that fails
    // does not keep the others from landing: the first failure goes on once
    // all have.
    const QPointer<TLuFlightLayer> Self(this);
    std::exception_ptr Failure;
    const auto Landing = [this](TFlightId Id) {
        return std::find_if(FLanding.begin(), FLanding.end(), [Id](const TFlight& F) { return F.Id == Id; });
    };
    for (const TFlightId Id : Ids) {
        auto It = Landing(Id);
        if (It == FLanding.end())
            continue;
        const TLandedEvent OnLanded = std::move(It->OnLanded);
        try {
            Q_EMIT Landed(Id);
            if (Self && OnLanded)
                OnLanded(Id);
        } catch (...) {
            if (!Failure)
                Failure = std::current_exception();
        }
        if (!Self)
            break;
        // Its card lies in its place now: the image goes with the next paint.
        It = Landing(Id);
        if (It != FLanding.end()) {
            update(Area(*It));
            FLanding.erase(It);
        }
    }
    if (Failure)
        std::rethrow_exception(Failure);
}

void TLuFlightLayer::paintEvent(QPaintEvent* Event)
{
    if (FFlights.empty() && FLanding.empty())
        return;
    QPainter Painter(this);
    Painter.setClipRegion(Event->region());
    const auto Paint = [&Painter](const TFlight& Flight) {
        if (!Flight.Shadow.isNull())
            Painter.drawImage(Flight.At + QPoint(Flight.ShadowOffset, Flight.ShadowOffset), Flight.Shadow);
        Painter.drawImage(Flight.At, Flight.Image);
    };
    // What has landed lies on the table, under everything still flying.
    for (const TFlight& Flight : FLanding)
        Paint(Flight);
    for (const TFlight& Flight : FFlights)
        if (Flight.Started())
            Paint(Flight);
}

bool TLuFlightLayer::eventFilter(QObject* Watched, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::Resize:
        if (Watched == parentWidget())
            Follow();
        break;
    case QEvent::WindowBlocked:
        FHeld = true;
        break;
    case QEvent::WindowUnblocked:
        FHeld = false;
        FClock.restart();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(Watched, Event);
}
