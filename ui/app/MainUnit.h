#pragma once
// TMainForm: the main window. It owns the document, shows it in the view and
// the side panel, and runs the menu commands. Its implementation is split by
// menu: MainUnit.cpp (start-up, layout, reacting to changes),
// MainUnit_Menus.cpp (menus, tool bar, enabling), MainUnit_File.cpp (opening,
// recent files, closing, settings), MainUnit_Layers.cpp (layer commands and
// the layer panel), MainUnit_View.cpp (zoom, background, help).
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <array>
#include <functional>
#include <map>

#include "core/document/Document.h"
#include "core/document/Settings.h"
#include "core/fx/Dispatch.h"
#include "core/fx/Random.h"

class ImgView;
class TaskPanel;
class TCompress;
class TSprayWin;
class TPosta;
class TWaves;
class TMarb;
class TEffect;
class TDeFoc;
class TBrid;
class TGamma;
class TBrowser;
class TEffectDialog;
class QProgressBar;
class TSTC;
class TPovor;
class TRasm;
class TCropLa;
class TRaiser;
class TEButos;
class TGifType;
class TTemplates;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTabWidget;
class QToolBar;
class QVBoxLayout;

class TMainForm : public QMainWindow, public viramo::DocumentListener {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    viramo::Document& document() { return doc_; }
    ImgView* view() const { return view_; }

    // The common part of every open; shows a message and keeps the open
    // document when the file cannot be read. Returns whether it opened.
    bool OpenFileByPath(const QString& path);
    // The file named on the command line (its pieces joined with blanks).
    void OpenCommandLine(const QStringList& arguments);
    // Asks "Сохранить изображение?" when there are unsaved changes; false on Cancel.
    bool AskSaveChanges();
    // Tests answer the question box and the file dialogs through these instead of a user.
    std::function<QMessageBox::StandardButton(const QString&)> questionHandler;
    std::function<QString()> openNameProvider;
    std::function<bool(QString& name, int& entry)> saveNameProvider;

    // The commands of the "Файл" and "Правка" menus.
    bool SaveClick();                   // "Сохранить": true once the file is written
    bool SaveAsClick(int entry = 2);    // "Сохранить как...", the filter entry preselected
    void NewClick();
    void NewCanvas(int width, int height, viramo::Color32 colour);
    void UndoClick();
    void RedoClick();
    TTemplates* templates() const { return templates_; }
    TSprayWin* sprayWin() const { return sprayWin_; }
    TEffect* effectWin() const { return effect_; }
    TBrid* brid() const { return brid_; }
    TGamma* gamma() const { return gamma_; }
    TBrowser* browser() const { return browser_; }
    viramo::EffectSettings& effectSettings() { return effects_; }
    TSTC* stc() const { return stc_; }
    TPovor* povor() const { return povor_; }
    TRasm* rasm() const { return rasm_; }
    TCropLa* cropLa() const { return cropLa_; }

    // "Правка" and the layer commands of this part of the window.
    void N20Click();   // cut
    void N21Click();   // copy
    void N22Click();   // paste
    void N71Click();   // select an area
    void N98Click();   // select all
    void N47Click();   // paste as new
    void mnFlattenClick();
    void N23Click();   // transparent colour: pick mode
    void Pick(const QPointF& canvasPoint);
    void N901Click();  // turn right
    void N902Click();  // turn left
    void N13Click();   // free rotation
    void N24Click();   // mirror top to bottom
    void N53Click();   // mirror left to right
    void N37Click();   // image size
    void N114Click();  // crop the canvas
    void CropsPChange();
    void CropOkClick();
    void N54Click();   // crop the layer
    void N7Click();    // relief contour
    void N121Click();  // button effect
    // Colour dialog of the colorize command; tests answer it through this.
    std::function<bool(viramo::PlatformColor& colour)> colourProvider;
    TCompress* compress() const { return compress_; }
    TGifType* gifType() const { return gifType_; }

    // An action by its object name ("actOpen", ...), for tests and the tool bar.
    QAction* action(const QString& name) const;
    QString statusText(int panel) const;
    const QString& documentPath() const { return documentPath_; }
    const viramo::RecentList& recentList() const { return recent_; }
    std::array<QString, 4> startLabelTexts() const;
    bool startPageVisible() const;
    bool layerPanelVisible() const;
    bool cropPanelVisible() const;
    bool imagePanelVisible() const;
    bool compositionPanelVisible() const;

    void documentChanged(unsigned changes) override;

protected:
    void closeEvent(QCloseEvent*) override;
    void showEvent(QShowEvent*) override;
    void changeEvent(QEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    // MainUnit.cpp
    void buildLayout();
    void buildSidePanel();
    void buildStartPage(QVBoxLayout* layout);
    void ViewChanged();          // after every change of the view
    void UpdateSelectionPanels();
    void setStatus(int panel, const QString& text);
    void FillCatalogueStrips();  // the deferred start, 100 ms after the window appears

    // MainUnit_Menus.cpp
    void buildMenus();
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption,
                       const QKeySequence& shortcut = {}, bool wired = true);
    void enable(const QString& name, bool on);
    // Connects an entry to its handler and marks it as built, so enabling applies to it.
    void wireAction(const char* name, void (TMainForm::*handler)());
    void UpdateImageMenu();
    void UpdateEditMenu();
    void UpdateSelectionMenu();
    void UpdateProcessingMenu();
    void UpdateFileMenu();
    void ShowLayerPopup(const QPoint& globalPos);
    bool clipboardHasPicture() const;

    // MainUnit_File.cpp
    void FileOpenClick();
    void OpenRecentFile(int entry);
    void ExitClick();
    void ReadSettings();
    void WriteSettings();
    void WriteRecentList();
    void RebuildRecentMenu();
    void FilesDropped(const QStringList& paths);
    bool writeDocument(const QString& path, int target, int jpegQuality, int gifBits);
    // Runs file work under a busy cursor; an error is shown as one message and gives false.
    bool withErrorMessage(const std::function<void()>& work);
    void afterOpen();  // fit, marks and undo after an open command

    // MainUnit_Layers.cpp
    void AddPhotoClick();
    bool AddPhotoFromPath(const QString& path);
    void CloneClick();
    void DeleteClick();
    void ReorderClick(int how);
    void LayerOpacityChange(int value);
    void LayerInterpolateClick(bool on);
    void ImageInterpolateClick(bool on);

    // MainUnit_Processing.cpp
    void buildProcessing();
    void readDialogValues();
    void runEffectDialog(TEffectDialog* dialog, const std::function<void()>& apply);
    void busy(bool on, const QString& what = {});
    // "effect" undo, busy indication, the work, PreviewBackup emptied; filter errors shown.
    void quickCommand(const QString& what, const std::function<void()>& apply);
    void colorizeAndBrighten(int amount);
    void EffectCommand(const char* name);        // dialog-less effects
    void N50Click();  // spray
    void N51Click();  // posterize
    void N86Click();  // waves
    void N113Click(); // raindrops
    void N74Click();  // quick sharpen
    void N75Click();  // quick blur
    void N78Click();  // sharpen
    void N76Click();  // blur
    void FilterCommand(const char* name);        // colour and mono noise
    void N77Click();  // monochrome
    void N49Click();  // colorize
    void N111Click(); // sepia
    void N38Click();  // brightness and contrast
    void N39Click();  // colour balance
    void N72Click();  // effect catalogue

    // MainUnit_View.cpp
    void Zoom100Click();
    void FitClick();
    void ScaleComboChange(const QString& text);
    void WheelZoom(bool awayFromUser);
    void ShowZoomText();
    void ChooseBackgroundClick();
    void ChessClick(bool on);
    void HelpClick();
    void OpenLink(const char* address);

    viramo::Document doc_;
    QString documentPath_;
    viramo::RecentList recent_;
    viramo::FormSettings formSettings_;
    viramo::PlatformColor backgroundColor_ = viramo::clGray;
    std::array<std::string, 4> startLabels_;

    ImgView* view_ = nullptr;
    TTemplates* templates_ = nullptr;
    TCompress* compress_ = nullptr;
    TGifType* gifType_ = nullptr;
    TSprayWin* sprayWin_ = nullptr;
    TPosta* posta_ = nullptr;
    TWaves* waves_ = nullptr;
    TMarb* marb_ = nullptr;
    TEffect* effect_ = nullptr;
    TDeFoc* deFoc_ = nullptr;
    TBrid* brid_ = nullptr;
    TGamma* gamma_ = nullptr;
    TBrowser* browser_ = nullptr;
    TSTC* stc_ = nullptr;
    TPovor* povor_ = nullptr;
    TRasm* rasm_ = nullptr;
    TCropLa* cropLa_ = nullptr;
    TRaiser* raiser_ = nullptr;
    TEButos* eButos_ = nullptr;
    void buildEditing();  // MainUnit_Edit.cpp
    void buildGeometry(); // MainUnit_Geometry.cpp
    QProgressBar* progress_ = nullptr;
    viramo::EffectSettings effects_;
    viramo::Random random_;
    QWidget* sidePanel_ = nullptr;
    TaskPanel* pnlImage_ = nullptr;
    TaskPanel* panel1_ = nullptr;
    TaskPanel* pnlBitmapLayer_ = nullptr;
    TaskPanel* start_ = nullptr;
    TaskPanel* crops_ = nullptr;
    QComboBox* scaleCombo_ = nullptr;
    QCheckBox* imageInterpolate_ = nullptr;
    QSlider* layerOpacity_ = nullptr;
    QCheckBox* layerInterpolate_ = nullptr;
    QCheckBox* propos_ = nullptr;
    QComboBox* cropsP_ = nullptr;
    QCheckBox* obrat_ = nullptr;
    QTabWidget* compositionTabs_ = nullptr;
    std::array<QLabel*, 4> labs_{};
    QLabel* status0_ = nullptr;
    QLabel* status1_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* layerPopup_ = nullptr;
    std::map<QString, QAction*> actions_;
    bool firstShow_ = true;
    bool activated_ = false;
    bool updatingPanels_ = false;
    QStringList pendingCommandLine_;
};
