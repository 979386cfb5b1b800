#pragma once

// Command identifiers of the menus, the toolbar and the accelerator table. Every command
// keeps one stable id across the menus, the router and the tests; new commands take ids
// from 32900 on.
namespace CommandId {

// File
constexpr int NewPlanetarium = 32827;  // "새 플라네타리움"
constexpr int NewPlanet3d = 32828;     // "새 태양계 3차원 보기"
constexpr int NewPlanetEcl = 32829;    // "새 행성 시운동 보기"
constexpr int NewBrowser = 32830;      // "새 브라우저 생성"
constexpr int NewCalendar = 32831;     // "새 천문 달력"
constexpr int NewPhenomena = 32910;    // "새 천문 현상 목록"
constexpr int FileClose = 57602;       // "닫기": closes the active window (Ctrl+W, Ctrl+F4)
constexpr int FilePrint = 57607;       // "인쇄…" (Ctrl+P) and the toolbar printer
constexpr int FilePrintPreview = 32911;  // "인쇄 미리 보기…"
constexpr int FileSavePdf = 32912;     // "PDF로 저장…"
constexpr int AppExit = 57665;         // "종료"

// Settings
constexpr int SetTime = 32817;      // "시간"
constexpr int SetLocation = 32818;  // "위치"
constexpr int PreciseModel = 32900; // "정밀 계산" (checked: the precise model)

// Tools
constexpr int SyncClock = 32821;      // "컴퓨터 시간 맞추기"
constexpr int ToolPlanet3d = 32775;   // "태양계 3차원 보기": as NewPlanet3d
constexpr int ToolPlanetEcl = 32777;  // "황도 면에서 행성 위치 보기": as NewPlanetEcl
constexpr int ToolCalendar = 32778;   // "천문 달력(...)": the list of phenomena
constexpr int ToolPolarAxis = 32779;  // "극축 맞추기"

// View
constexpr int ToggleToolBar = 32825;    // "도구 모음"
constexpr int ToggleStatusBar = 32826;  // "상태 표시줄"
constexpr int FullScreen = 32824;       // "전체 화면으로 보기", F11
constexpr int PointerPalette = 32822;   // "마우스 포인터 팔래트"
constexpr int DisplayPalette = 32823;   // "대상 설정 팔래트"
constexpr int NightMode = 32913;        // "야간 모드", Ctrl+Shift+N: red on black

// Find (planetarium view)
constexpr int FindObject = 32914;  // "천체 검색…", Ctrl+F: any object by any of its names
constexpr int FindConstellation = 32793;
constexpr int FindSun = 32794;
constexpr int FindMoon = 32795;
constexpr int FindMercury = 32797;
constexpr int FindVenus = 32798;
constexpr int FindMars = 32800;
constexpr int FindJupiter = 32801;
constexpr int FindSaturn = 32802;
constexpr int FindUranus = 32803;
constexpr int FindNeptune = 32804;
constexpr int FindPluto = 32805;

// Information
constexpr int InfoConstellation = 32806;
constexpr int InfoSun = 32782;
constexpr int InfoMoon = 32781;
constexpr int InfoMercury = 32783;  // 32783 .. 32791: Mercury .. Pluto, Earth included
constexpr int InfoVenus = 32784;
constexpr int InfoEarth = 32785;
constexpr int InfoMars = 32786;
constexpr int InfoJupiter = 32787;
constexpr int InfoSaturn = 32788;
constexpr int InfoUranus = 32789;
constexpr int InfoNeptune = 32790;
constexpr int InfoPluto = 32791;

// Toolbar navigation of the planetarium view
constexpr int ViewEast = 32807;
constexpr int ViewWest = 32816;
constexpr int ViewSouth = 32809;
constexpr int ViewNorth = 32810;
constexpr int ViewZenith = 32811;
constexpr int ZoomIn = 32812;
constexpr int ZoomOut = 32813;

// Window
constexpr int WindowCascade = 32901;   // "계단식 배열"
constexpr int WindowTile = 32902;      // "바둑판식 배열"
constexpr int WindowNext = 32903;      // "다음 창", Ctrl+Tab
constexpr int WindowPrevious = 32904;  // Ctrl+Shift+Tab (no menu item)
constexpr int WindowCloseAll = 32905;  // "모든 창 닫기"

// Help
constexpr int AppAbout = 57664;  // "이 프로그램에 대하여..."

// Accelerators without a handler in any window
constexpr int NextPane = 57680;  // F6
constexpr int PrevPane = 57681;  // Shift+F6
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditPaste = 57637;
constexpr int EditUndo = 57643;

}  // namespace CommandId

// Menu and accelerator resources a child frame asks for.
enum class MenuSet : int {
    Main = 128,         // main frame and every child but the planetarium
    Planetarium = 129,  // planetarium windows
};
