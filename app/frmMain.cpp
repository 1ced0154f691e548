#include "app/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <QWheelEvent>

#include "app/ABOUT.h"
#include "app/PicLibFrm.h"
#include "app/ProjLibFrm.h"
#include "app/ProjectAddFrm.h"
#include "app/ProjectStore.h"
#include "app/signFrm.h"
#include "art/Artwork.h"
#include "engine/Brush.h"
#include "engine/Contrast.h"
#include "engine/RegionFill.h"
#include "palette/CnColorGrid.h"
#include "platform/Clipboard.h"
#include "platform/Cursors.h"
#include "platform/DrawSurface.h"
#include "platform/Files.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "platform/Panel.h"
#include "platform/Printing.h"
#include "platform/TextStamp.h"
#include "styled/cyBitBtn.h"
#include "styled/cyLabel.h"
#include "styled/cyPanel.h"
#include "styled/cySpeedButton.h"
#include "thumbs/JvThumbViews.h"

namespace pintoola {

TForm1* Form1 = nullptr;

namespace {

void SetGradient(TcyGradient& g, TColor from, TColor to, int speed = -1) {
  g.SetFromColor(from);
  g.SetToColor(to);
  g.SetAngleDegree(0);
  if (speed >= 0) g.SetSpeedPercent(speed);
}

}  // namespace

void SetUpPalette(TCnColorGrid& grid) {
  grid.SetColCount(7);
  grid.SetRowCount(34);
  grid.SetDefaultColWidth(15);
  grid.SetDefaultRowHeight(15);
  grid.SetCustomRowCount(10);
  grid.SetCustomColCount(10);
}

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowTitle("Pintoola");
  setWindowIcon(art::ProgramIcon());
  setWindowFlag(Qt::FramelessWindowHint, true);
  setFont(ToQFont(TFontSpec{}));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(clBtnFace));
  setPalette(pal);
  resize(1122, 912);
  PixelsPerInch = logicalDpiX();
  BuildControls();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
  auto* form = new AlignLayout(this);

  // Toolbar.
  pnl1 = new TPanel(this);
  pnl1->resize(1122, 57);
  form->Add(pnl1, TAlign::alTop);
  cypnl1 = new TCyPanel(pnl1);
  SetGradient(cypnl1->Degrade(), clAqua, clBlue);
  pnl1->ChildLayout()->Add(cypnl1, TAlign::alClient);

  auto toolButton = [this](TAlign side, art::GlyphId glyph, const QString& hint) {
    auto* b = new TcyBitBtn(cypnl1);
    b->resize(75, 47);
    SetGradient(b->Degrade(), clYellow, clOrange, 90);
    b->SetGlyph(art::Glyph(glyph));
    b->setToolTip(hint);
    cypnl1->ChildLayout()->Add(b, side, WithMargins());
    return b;
  };
  btn1 = toolButton(TAlign::alLeft, art::GlyphId::btn1, tr("Open a new coloring page..."));
  btn4 = toolButton(TAlign::alLeft, art::GlyphId::btn4, tr("Open existing project..."));
  btn20 = toolButton(TAlign::alLeft, art::GlyphId::btn20, tr("Undo last change"));
  btn22 = toolButton(TAlign::alLeft, art::GlyphId::btn22, tr("Reset coloring page"));
  btn23 = toolButton(TAlign::alLeft, art::GlyphId::btn23, tr("Close coloring page"));
  btn24 = toolButton(TAlign::alLeft, art::GlyphId::btn24, tr("Save project..."));
  btn25 = toolButton(TAlign::alLeft, art::GlyphId::btn25, tr("Print project..."));
  btn13 = toolButton(TAlign::alLeft, art::GlyphId::btn13, tr("Copy image to clipboard"));
  btn19 = toolButton(TAlign::alRight, art::GlyphId::btn19, tr("Exit to Windows"));
  btn8 = toolButton(TAlign::alRight, art::GlyphId::btn8, tr("Minimize"));
  btn26 = toolButton(TAlign::alRight, art::GlyphId::btn26, tr("About..."));

  // Palette column.
  pnl2 = new TPanel(this);
  pnl2->resize(116, 800);
  form->Add(pnl2, TAlign::alLeft);
  cnclrgrd1 = new TCnColorGrid(pnl2);
  SetUpPalette(*cnclrgrd1);
  cnclrgrd1->resize(115, 547);
  cnclrgrd1->setToolTip(tr("Select a fill color"));
  pnl2->ChildLayout()->Add(cnclrgrd1, TAlign::alTop);
  pnl4 = new TPanel(pnl2);
  pnl2->ChildLayout()->Add(pnl4, TAlign::alClient);
  cypnl2 = new TCyPanel(pnl4);
  SetGradient(cypnl2->Degrade(), clYellow, clOrange);
  pnl4->ChildLayout()->Add(cypnl2, TAlign::alClient);
  cypnl3 = new TCyPanel(cypnl2);
  cypnl3->resize(100, 41);
  SetGradient(cypnl3->Degrade(), clBlack, clBlack);
  cypnl2->ChildLayout()->Add(cypnl3, TAlign::alTop, WithMargins());
  image3 = new TImage(cypnl3);
  image3->resize(96, 33);
  image3->setToolTip(tr("Selected color"));
  cypnl3->ChildLayout()->Add(image3, TAlign::alTop, WithMargins());
  lbl1 = new TcyLabel(cypnl2);
  lbl1->resize(100, 13);
  lbl1->SetCaption("0");
  cypnl2->ChildLayout()->Add(lbl1, TAlign::alTop, QMargins(3, 1, 3, 3));

  // Style column (placed before the page so that the page takes what remains).
  cypnl4 = new TCyPanel(this);
  cypnl4->resize(114, 800);
  SetGradient(cypnl4->Degrade(), clYellow, clOrange);
  form->Add(cypnl4, TAlign::alRight);

  // Page.
  pnl3 = new TPanel(this);
  form->Add(pnl3, TAlign::alClient);
  image2 = new TImage(pnl3);
  pnl3->ChildLayout()->Add(image2, TAlign::alClient, WithMargins());

  auto styleButton = [this](art::GlyphId glyph, const QString& hint) {
    auto* b = new TcyBitBtn(cypnl4);
    b->resize(106, 40);
    SetGradient(b->Degrade(), clAqua, clBlue, 90);
    b->SetGlyph(art::Glyph(glyph));
    b->setToolTip(hint);
    cypnl4->ChildLayout()->Add(b, TAlign::alTop, WithMargins());
    return b;
  };
  btn3 = styleButton(art::GlyphId::btn3, tr("Solid fill"));
  btn2 = styleButton(art::GlyphId::btn2, tr("Cross lines fill"));
  btn5 = styleButton(art::GlyphId::btn5, tr("Diagonal cross lines fill"));
  btn7 = styleButton(art::GlyphId::btn7, tr("Vertical lines fill"));
  btn6 = styleButton(art::GlyphId::btn6, tr("Horizontal lines fill"));
  btn9 = styleButton(art::GlyphId::btn9, tr("Diagonal lines fill 1"));
  btn10 = styleButton(art::GlyphId::btn10, tr("Diagonal lines fill 2"));

  cypnl5 = new TCyPanel(cypnl4);
  cypnl5->resize(112, 110);
  SetGradient(cypnl5->Degrade(), clYellow, clOrange);
  cypnl4->ChildLayout()->Add(cypnl5, TAlign::alTop);
  btn11 = new TcyBitBtn(cypnl5);
  btn11->resize(104, 40);
  SetGradient(btn11->Degrade(), clAqua, clBlue, 90);
  btn11->SetGlyph(art::Glyph(art::GlyphId::btn11));
  btn11->setToolTip(tr("Fix image"));
  cypnl5->ChildLayout()->Add(btn11, TAlign::alBottom, WithMargins());
  btn12 = new TcySpeedButton(cypnl5);
  btn12->resize(104, 40);
  SetGradient(btn12->Degrade(), clAqua, clBlue, 90);
  btn12->SetGlyph(art::Glyph(art::GlyphId::btn12));
  btn12->setToolTip(tr("Add your signature"));
  btn12->SetGroupIndex(1);
  btn12->SetAllowAllUp(true);
  cypnl5->ChildLayout()->Add(btn12, TAlign::alBottom, WithMargins());

  lbl2 = new TcyLabel(cypnl4);
  lbl2->resize(100, 13);
  lbl2->SetCaption("X, Y");
  cypnl4->ChildLayout()->Add(lbl2, TAlign::alTop, WithMargins());

  for (TcyLabel* l : {lbl1, lbl2}) {
    l->SetAlignment(taCenter);
    l->SetTransparent(true);
    l->Shadow().SetRelativePosX(1);
    l->Shadow().SetRelativePosY(1);
    SetGradient(l->Degrade(), clWhite, clBtnFace);
  }

  // Tab order: toolbar by its numbers, the palette, then the style column (btn12 takes no focus).
  QWidget* order[] = {btn1, btn4, btn20, btn22, btn23, btn24, btn25, btn26, btn19, btn8, btn13, cnclrgrd1,
                      btn3, btn2, btn5, btn6, btn7, btn9, btn10, btn11};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  connect(cnclrgrd1, &TCnColorGrid::clicked, this, &TForm1::cnclrgrd1Click);
  connect(image2, &TImage::Click, this, &TForm1::image2Click);
  connect(image2, &TImage::MouseDown, this, &TForm1::image2MouseDown);
  connect(image2, &TImage::MouseEnter, this, &TForm1::image2MouseEnter);
  connect(image2, &TImage::MouseLeave, this, &TForm1::image2MouseLeave);
  connect(image2, &TImage::MouseMove, this, &TForm1::image2MouseMove);
  const std::pair<TcyBitBtn*, void (TForm1::*)()> handlers[] = {
      {btn1, &TForm1::btn1Click},   {btn4, &TForm1::btn4Click},   {btn20, &TForm1::btn20Click},
      {btn22, &TForm1::btn22Click}, {btn23, &TForm1::btn23Click}, {btn24, &TForm1::btn24Click},
      {btn25, &TForm1::btn25Click}, {btn13, &TForm1::btn13Click}, {btn26, &TForm1::btn26Click},
      {btn8, &TForm1::btn8Click},   {btn19, &TForm1::btn19Click}, {btn11, &TForm1::btn11Click},
      {btn3, &TForm1::btn3Click},   {btn6, &TForm1::btn6Click},   {btn7, &TForm1::btn7Click},
      {btn9, &TForm1::btn9Click},   {btn10, &TForm1::btn10Click}, {btn2, &TForm1::btn2Click},
      {btn5, &TForm1::btn5Click}};
  for (const auto& [button, handler] : handlers) connect(button, &TcyBitBtn::clicked, this, handler);
  connect(btn12, &TcySpeedButton::clicked, this, &TForm1::btn12Click);

  btn1->setFocus();
}

void TForm1::FormCreate() {
  const std::string base = ExeFolder();
  // Outcomes are deliberately not looked at: a missing folder shows up later as an empty
  // library or a failed save.
  if (!DirectoryExists(base + "images")) ForceDirectories(base + "images");
  if (!DirectoryExists(base + "Projects")) ForceDirectories(base + "Projects");
}

void TForm1::ShowMaximized() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  showMaximized();
}

bool TForm1::FormCloseQuery() {
  return MessageDlg(tr("Do you want to exit Pintoola ?"), TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes;
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery()) {
    event->accept();
    QApplication::quit();
  } else {
    event->ignore();
  }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // The frameless window has no close box; the keyboard's close shortcut still asks to close.
  if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TForm1::wheelEvent(QWheelEvent* event) {
  // The wheel belongs to the control with the keyboard focus (the palette after a choice), wherever
  // the pointer is; a wheel event sent on like this is not passed further up.
  QWidget* focused = focusWidget();
  if (!focused || focused == this) return QWidget::wheelEvent(event);
  QWheelEvent forwarded(focused->mapFromGlobal(event->globalPosition()), event->globalPosition(),
                        event->pixelDelta(), event->angleDelta(), event->buttons(), event->modifiers(),
                        event->phase(), event->inverted(), event->source(), event->pointingDevice());
  QCoreApplication::sendEvent(focused, &forwarded);
  event->setAccepted(forwarded.isAccepted());
}

// ---- Page and palette -------------------------------------------------------------------------

QPoint TForm1::PagePoint() const { return QCursor::pos() - image2->mapToGlobal(QPoint(0, 0)); }

bool TForm1::PageEmpty() const { return image2->PageEmpty(); }

void TForm1::cnclrgrd1Click() {
  SelectedColor = cnclrgrd1->SelectedColor();
  lbl1->SetCaption(QString::number(SelectedColor));
  setTheSelectedColor();
}

void TForm1::setTheSelectedColor() {
  PageBitmap& swatch = image3->Picture();
  if (swatch.Empty()) swatch.SetSize(image3->width(), image3->height(), clWhite);
  swatch.Canvas().brushColor = SelectedColor;
  swatch.Canvas().brushStyle = SelectedBrushStyle;
  PageWriter writer(swatch);
  const TRect all = Rect(0, 0, swatch.Width(), swatch.Height());
  FillRect(writer.Area(all), all, RealizeBrush(SelectedColor, SelectedBrushStyle));
  writer.Commit();
}

void TForm1::image2Click() {
  if (PageEmpty()) return;
  PageBitmap& page = image2->Picture();
  UndoHistory.PushUndo(page);
  const QPoint p = PagePoint();
  if (SignatureMode) {
    const int result = Form4->exec();
    if (result == mrOk) StampSignature(p.x(), p.y());
    EndSignatureMode();
    return;
  }
  FillRegion(page, p.x(), p.y(), SelectedColor, SelectedBrushStyle);
}

void TForm1::image2MouseDown(TMouseButton button) {
  if (PageEmpty() || button != mbRight) return;
  const QPoint p = PagePoint();
  const TColor c = image2->Picture().Pixels(p.x(), p.y());
  lbl1->SetCaption(QString::number(c));
  SelectedColor = c;
  setTheSelectedColor();
}

void TForm1::image2MouseEnter() { SetControlCursor(image2, SignatureMode ? crHandPoint : crCross); }

void TForm1::image2MouseLeave() { lbl2->SetCaption("X Y"); }

void TForm1::image2MouseMove() {
  if (PageEmpty()) return;
  const QPoint p = PagePoint();
  lbl2->SetCaption(QString::number(p.x()) + " " + QString::number(p.y()));
}

void TForm1::EndSignatureMode() {
  btn12->SetAllowAllUp(true);
  btn12->SetDown(false);
  SignatureMode = false;
}

void TForm1::StampSignature(int x, int y) {
  PageBitmap& page = image2->Picture();
  const FontChoice& font = Form4->dlgFont1;
  PageFont& f = page.Canvas().font;
  f.name = font.name.toStdString();
  f.size = font.size;
  f.color = font.color;
  f.bold = font.bold;
  f.italic = font.italic;
  f.underline = font.underline;
  f.strikeOut = font.strikeOut;
  page.Canvas().brushColor = page.Pixels(x, y);
  StampText(page, x, y, Form4->SignatureText().toStdU32String(), PixelsPerInch);
}

void TForm1::ContrastImage(TImage* image, int aContrast) {
  pintoola::ContrastImage(image->Picture(), aContrast);
  image->repaint();
}

// ---- Toolbar ----------------------------------------------------------------------------------

void TForm1::OpenFromLibrary(QDialog* library, TJvThumbView* view) {
  if (library->exec() != mrOk) return;
  CurrentPageFile = view->SelectedFile();
  image2->Picture().LoadFromFile(CurrentPageFile);
}

void TForm1::btn1Click() { OpenFromLibrary(Form2, Form2->jvthmbvw1); }

void TForm1::btn4Click() { OpenFromLibrary(Form3, Form3->jvthmbvw1); }

void TForm1::btn20Click() {
  if (auto restored = UndoHistory.UndoLast()) image2->SetPicture(std::move(restored));
}

void TForm1::btn22Click() {
  if (!CurrentPageFile.empty()) image2->Picture().LoadFromFile(CurrentPageFile);
}

void TForm1::btn23Click() { image2->ClearPicture(); }

void TForm1::btn24Click() {
  if (PageEmpty()) return;
  const std::string name = SaveProject(image2->Picture(), ExeFolder() + "Projects/Sketcha", ".bmp");
  // The pause lets a slow disk settle before the file is looked for; the window stays still.
  QThread::msleep(500);
  const std::string check = ExeFolder() + "Projects/" + name.substr(name.find_last_of('/') + 1);
  if (FileExists(check))
    Form5->exec();
  else
    MessageDlg(tr("Pintoola can't save the image !"), TMsgDlgType::mtError, mbOK);
}

void TForm1::btn25Click() {
  if (PageEmpty()) return;
  if (!dlgPnt1) dlgPnt1 = std::make_unique<TPrinter>();
  if (!RunPrintDialog(*dlgPnt1, this)) return;
  PrintPage(*dlgPnt1, image2->Picture(), PixelsPerInch);
}

void TForm1::btn13Click() {
  if (PageEmpty()) {
    MessageDlg(tr("No image to copy !"), TMsgDlgType::mtWarning, mbOK);
    return;
  }
  CopyPageToClipboard(image2->Picture());
}

void TForm1::btn26Click() { AboutBox->exec(); }

void TForm1::btn8Click() { showMinimized(); }

void TForm1::btn19Click() { close(); }

void TForm1::btn11Click() {
  if (!PageEmpty()) ContrastImage(image2, 100);
}

void TForm1::btn12Click() {
  if (btn12->AllowAllUp()) {
    btn12->SetAllowAllUp(false);
    btn12->SetDown(true);
    SignatureMode = true;
  } else {
    btn12->SetAllowAllUp(true);
    btn12->SetDown(false);
    SignatureMode = false;
  }
}

}  // namespace pintoola
