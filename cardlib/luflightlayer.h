#pragma once
// Flights that do not hold up their program. A transparent layer over a
// form carries any number of images at once, each in a straight line from
// where it starts to where it lands, and reports each arrival through the
// flight's callback and the Landed signal. Nothing blocks and no event loop
// is nested: keys, clicks and timers keep arriving while images are in the
// air. (TLuSprite is the other kind: its flight returns only once the image
// has arrived, and callers that want exactly that keep it.)
//
// Drawing: flights are painted in the order they were launched, so a later
// one passes over an earlier, each over a soft shadow when ShadowOffset is
// set; one that has arrived lies under them all until its callback
// returns. The layer paints nothing else; what lies under a flight is the
// form and its controls painting themselves, so it is right while an image
// passes and after it has gone. The layer lets the mouse through.
//
// Time: a frame timer runs only while something is in the air, at the
// screen's refresh; a flight's place follows the time since its launch, so
// a late frame never slows a flight down. While a modal window blocks the
// form, flights hold still: no landing runs under a question. A test drives
// the time itself (SetManualTime, Advance).
#include <QEasingCurve>
#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <unordered_map>
#include <vector>

class QPaintEvent;

class TLuFlightLayer : public QWidget {
    Q_OBJECT
public:
    using TFlightId = int;
    using TLandedEvent = std::function<void(TFlightId Id)>;

    // The layer covers Form and stays its topmost child; Form owns it.
    explicit TLuFlightLayer(QWidget* Form);
    ~TLuFlightLayer() override;
    // Form's layer, made with the first call.
    static TLuFlightLayer* Of(QWidget* Form);

    // Image starts at From (form coordinates of its top-left corner) once
    // Delay milliseconds have passed, and reaches To Duration milliseconds
    // later. OnLanded runs when it has arrived; the flight is over by then
    // (no longer counted nor in the air), so the callback may launch, land
    // or cancel others. Its image still lies at To until the callback
    // returns, so that a paint inside a landing (a control repainting at
    // once) never shows a place bare before its own landing fills it.
    TFlightId Launch(const QImage& Image, QPoint From, QPoint To, int Duration, TLandedEvent OnLanded = {},
                     int Delay = 0);

    int Count() const { return static_cast<int>(FFlights.size()); }
    bool InAir(TFlightId Id) const { return Find(Id) != nullptr; }
    // Where the image's top-left corner is drawn now (From while it waits
    // for its delay); a null point for a flight that is not in the air.
    QPoint Position(TFlightId Id) const;
    // Past its delay, and so drawn.
    bool Shown(TFlightId Id) const;
    std::vector<TFlightId> Flights() const;

    // Moves every flight on by Milliseconds and lands those that arrive, in
    // launch order. The frame timer calls it; so does a test in manual time.
    void Advance(double Milliseconds);
    // The flight arrives now: drawn at its end for good, callback run.
    void Land(TFlightId Id);
    void LandAll();
    // The flight's image goes now and its callback never runs.
    void Cancel(TFlightId Id);
    void CancelAll();

    // For the flights launched from now on: one in the air keeps the shadow
    // it was launched with, so that what it painted is what it repaints.
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int Value) { FShadowOffset = Value < 0 ? 0 : Value; }
    const QEasingCurve& Easing() const { return FEasing; }
    void SetEasing(const QEasingCurve& Value) { FEasing = Value; }
    // The frame timer's interval in milliseconds, from the screen's refresh.
    int FrameInterval() const { return FFrame.interval(); }
    bool Ticking() const { return FFrame.isActive(); }
    // True while a modal window holds the flights still.
    bool Held() const { return FHeld; }

    // In manual time no timer runs: only Advance moves flights (tests).
    static void SetManualTime(bool Manual);
    static bool ManualTime();

Q_SIGNALS:
    void Landed(TLuFlightLayer::TFlightId Id);

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    struct TFlight {
        TFlightId Id = 0;
        QImage Image;
        QImage Shadow;
        int ShadowOffset = 0;
        QPoint From;
        QPoint To;
        int Duration = 1;
        int Delay = 0;
        double Elapsed = 0;
        QPoint At;
        TLandedEvent OnLanded;

        bool Started() const { return Elapsed >= Delay; }
        bool Arrived() const { return Elapsed >= Delay + Duration; }
    };

    const TFlight* Find(TFlightId Id) const;
    QPoint PlaceAt(const TFlight& Flight) const;
    // What the flight covers at its place: the image and its shadow.
    QRect Area(const TFlight& Flight) const;
    void Follow();
    void Tick();
    void StartClock();
    // Runs the callbacks of flights already taken out of the air, in order,
    // but not of one that an earlier callback cancelled.
    void Arrive(std::vector<TFlight> Arrived);
    // The shadow of Image, made once per picture: a game flies the same few
    // dozen card pictures over and over.
    QImage ShadowFor(const QImage& Image);

    std::vector<TFlight> FFlights;
    // Arrived flights whose callbacks have not returned yet, drawn at their
    // ends: a Cancel reaches them here, since a callback of the same frame
    // may cancel them.
    std::vector<TFlight> FLanding;
    // Shadows by their picture's cacheKey, which no other picture ever has.
    std::unordered_map<qint64, QImage> FShadows;
    TFlightId FNextId = 1;
    int FShadowOffset = 0;
    QEasingCurve FEasing{QEasingCurve::OutCubic};
    QTimer FFrame;
    QElapsedTimer FClock;
    bool FHeld = false;
    QWidget* FWatchedWindow = nullptr;
};
