<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="tr_TR">
<context>
    <name>AylikCizelge</name>
    <message>
        <source>Aylık vakitler — %1 — %2</source>
        <translation>Monatliche Gebetszeiten — %1 — %2</translation>
    </message>
    <message>
        <source>Yazdırılamadı</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sayfa yazıcıya gönderilemedi.</source>
        <translation>Die Seite konnte nicht an den Drucker gesendet werden.</translation>
    </message>
    <message>
        <source>Ayı yazdır</source>
        <translation>Monat drucken</translation>
    </message>
    <message>
        <source>PDF olarak kaydet</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>CSV olarak kaydet</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV dosyaları (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>vakitler-%1-%2</source>
        <translation>gebetszeiten-%1-%2</translation>
    </message>
    <message>
        <source>Kaydedilemedi</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 yazılamadı: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Takvime aktar</source>
        <translation>In den Kalender exportieren</translation>
    </message>
    <message>
        <source>iCalendar dosyaları (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
</context>
<context>
    <name>AylikCizelgeClass</name>
    <message>
        <source>Aylık vakitler</source>
        <translation>Monatliche Gebetszeiten</translation>
    </message>
    <message>
        <source>Önceki ay</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Sonraki ay</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Yazdır...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>PDF olarak kaydet...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>CSV olarak kaydet...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Takvime aktar...</source>
        <translation>In den Kalender exportieren...</translation>
    </message>
    <message>
        <source>Ayın vakitlerini takvim programınıza aktarmak için iCalendar (.ics) dosyası olarak kaydeder</source>
        <translation>Speichert die Gebetszeiten des Monats als iCalendar-Datei (.ics) zum Importieren in Ihr Kalenderprogramm</translation>
    </message>
</context>
<context>
    <name>AylikSayfa</name>
    <message>
        <source>Pzt</source>
        <comment>Pazartesi</comment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Sal</source>
        <comment>Salı</comment>
        <translation>Di</translation>
    </message>
    <message>
        <source>Çar</source>
        <comment>Çarşamba</comment>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Per</source>
        <comment>Perşembe</comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>Cum</source>
        <comment>Cuma</comment>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Cmt</source>
        <comment>Cumartesi</comment>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Paz</source>
        <comment>Pazar</comment>
        <translation>So</translation>
    </message>
    <message>
        <source>Tarih</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Hicri</source>
        <translation>Hidschri</translation>
    </message>
    <message>
        <source>Özel açılar: fecir %1, yatsı %2</source>
        <translation>Eigene Winkel: Fadschr %1, Ischa %2</translation>
    </message>
    <message>
        <source>%1, Hanefi ikindi</source>
        <translation>%1, Asr nach hanafitischer Berechnung</translation>
    </message>
    <message>
        <source>Enlem %1, boylam %2, UTC%3</source>
        <translation>Breitengrad %1, Längengrad %2, UTC%3</translation>
    </message>
    <message>
        <source>* tahmini vakit: Güneş o gece alacakaranlık açısına inmiyor ya da geç iniyor; vakit yüksek enlem kuralıyla bulundu.</source>
        <translation>* geschätzte Zeit: Die Sonne sinkt in dieser Nacht nicht oder erst spät bis zum Dämmerungswinkel; die Zeit wurde mit der Regel für hohe Breiten bestimmt.</translation>
    </message>
    <message>
        <source>— bu vakit o gün yok.</source>
        <translation>— diese Zeit gibt es an diesem Tag nicht.</translation>
    </message>
    <message>
        <source>Sayfa çizilemedi</source>
        <translation>Die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>%1 (JAKIM %2)</source>
        <translation>%1 (JAKIM %2)</translation>
    </message>
    <message>
        <source>%1, JAKIM bölgesinin referans noktası</source>
        <translation>%1, Bezugspunkt der JAKIM-Zone</translation>
    </message>
    <message>
        <source>Dini günler ve geceler: %1</source>
        <translation>Religiöse Tage und Nächte: %1</translation>
    </message>
</context>
<context>
    <name>Depo</name>
    <message>
        <source>yerinde dosya değil, başka bir şey var</source>
        <translation>an seiner Stelle steht keine Datei, sondern etwas anderes</translation>
    </message>
    <message>
        <source>%1 bir klasör değil</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>disk salt okunur</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>yazma izni yok</source>
        <translation>keine Schreibberechtigung</translation>
    </message>
    <message>
        <source>diskte yer kalmadı</source>
        <translation>kein Speicherplatz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>disk yazmayı kabul etmedi</source>
        <translation>der Datenträger hat das Schreiben abgelehnt</translation>
    </message>
    <message>
        <source>Ayarlar kaydedilemedi (%1): %2</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden (%1): %2</translation>
    </message>
</context>
<context>
    <name>Dil</name>
    <message>
        <source>tr</source>
        <comment>the catalogue&apos;s language: ar, de or en; nothing else</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>DiniGunler</name>
    <message>
        <source>Üç Ayların Başlangıcı</source>
        <translation>Beginn der drei heiligen Monate</translation>
    </message>
    <message>
        <source>Regaib Kandili</source>
        <translation>Regaib-Nacht</translation>
    </message>
    <message>
        <source>Miraç Kandili</source>
        <translation>Miradsch-Nacht</translation>
    </message>
    <message>
        <source>Berat Kandili</source>
        <translation>Berat-Nacht</translation>
    </message>
    <message>
        <source>Ramazan Başlangıcı</source>
        <translation>Beginn des Ramadan</translation>
    </message>
    <message>
        <source>Kadir Gecesi</source>
        <translation>Kadir-Nacht</translation>
    </message>
    <message>
        <source>Arefe</source>
        <comment>Ramazan Bayramı</comment>
        <translation>Arafat-Tag</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 1. Gün</source>
        <translation>Ramadanfest, 1. Tag</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 2. Gün</source>
        <translation>Ramadanfest, 2. Tag</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 3. Gün</source>
        <translation>Ramadanfest, 3. Tag</translation>
    </message>
    <message>
        <source>Arefe</source>
        <comment>Kurban Bayramı</comment>
        <translation>Arafat-Tag</translation>
    </message>
    <message>
        <source>Kurban Bayramı 1. Gün</source>
        <translation>Opferfest, 1. Tag</translation>
    </message>
    <message>
        <source>Kurban Bayramı 2. Gün</source>
        <translation>Opferfest, 2. Tag</translation>
    </message>
    <message>
        <source>Kurban Bayramı 3. Gün</source>
        <translation>Opferfest, 3. Tag</translation>
    </message>
    <message>
        <source>Kurban Bayramı 4. Gün</source>
        <translation>Opferfest, 4. Tag</translation>
    </message>
    <message>
        <source>Hicri Yılbaşı</source>
        <translation>Hidschri-Neujahr</translation>
    </message>
    <message>
        <source>Aşure Günü</source>
        <translation>Aschura-Tag</translation>
    </message>
    <message>
        <source>Mevlid Kandili</source>
        <translation>Mevlid-Nacht</translation>
    </message>
</context>
<context>
    <name>EzanIndirPenceresi</name>
    <message>
        <source>Ezan İndir</source>
        <translation>Adhan herunterladen</translation>
    </message>
    <message>
        <source>Wikimedia Commons&apos;tan serbest lisanslı ezan kayıtları. İndirilen kayıt, listedeki boyutu ve SHA-256 özeti tutarsa ezan klasörünüze kaydedilir.</source>
        <translation>Frei lizenzierte Adhan-Aufnahmen aus Wikimedia Commons. Eine heruntergeladene Aufnahme wird nur dann in Ihrem Adhan-Ordner gespeichert, wenn Größe und SHA-256 mit der Liste übereinstimmen.</translation>
    </message>
    <message>
        <source>sabah ezanı</source>
        <translation>Fadschr-Adhan</translation>
    </message>
    <message>
        <source>ezan</source>
        <translation>Adhan</translation>
    </message>
    <message>
        <source>İndir</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EzanPopupClass</name>
    <message>
        <source>Seçilen ezan kaydı çalınamadı</source>
        <translation>Die gewählte Aufnahme des Gebetsrufs konnte nicht abgespielt werden</translation>
    </message>
</context>
<context>
    <name>EzanSec</name>
    <message>
        <source>Hata</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Ezan seçimi kaydedilemedi.</source>
        <translation>Die Auswahl des Gebetsrufs konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Ekle...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>İndir...</source>
        <translation>Herunterladen...</translation>
    </message>
    <message>
        <source>Ezan kaydı ekle</source>
        <translation>Adhan-Aufnahme hinzufügen</translation>
    </message>
    <message>
        <source>Ses dosyaları (*.ogg *.oga *.opus *.mp3 *.flac *.wav);;Tüm dosyalar (*)</source>
        <translation>Audiodateien (*.ogg *.oga *.opus *.mp3 *.flac *.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 kaydını ezan klasöründen siler</source>
        <translation>Entfernt die Aufnahme %1 aus dem Adhan-Ordner</translation>
    </message>
    <message>
        <source>Yalnızca sizin eklediğiniz kayıtlar silinebilir</source>
        <translation>Nur selbst hinzugefügte Aufnahmen können entfernt werden</translation>
    </message>
    <message>
        <source>Ezan eklenemedi</source>
        <translation>Adhan nicht hinzugefügt</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>dosya okunamadı</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>dosya çok büyük (%1 MB; en çok 50 MB)</source>
        <translation>die Datei ist zu groß (%1 MB; höchstens 50 MB)</translation>
    </message>
    <message>
        <source>bu dosya adı kullanılamaz</source>
        <translation>dieser Dateiname kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>ses çıkışı açılamadığından dosya denetlenemedi</source>
        <translation>die Datei konnte nicht geprüft werden, da sich keine Audioausgabe öffnen ließ</translation>
    </message>
    <message>
        <source>ses dosyası çözülemedi</source>
        <translation>die Audiodatei konnte nicht dekodiert werden</translation>
    </message>
    <message>
        <source>kayıt çok kısa (%1 saniye; en az 10 saniye)</source>
        <translation>die Aufnahme ist zu kurz (%1 Sekunden; mindestens 10 Sekunden)</translation>
    </message>
    <message>
        <source>Ezan ekle</source>
        <translation>Adhan hinzufügen</translation>
    </message>
    <message>
        <source>Ezan klasöründe %1 adlı bir kayıt zaten var. Yenisiyle değiştirilsin mi?</source>
        <translation>Im Adhan-Ordner gibt es bereits eine Aufnahme namens %1. Durch die neue ersetzen?</translation>
    </message>
    <message>
        <source>ezan klasörüne kopyalanamadı</source>
        <translation>sie konnte nicht in den Adhan-Ordner kopiert werden</translation>
    </message>
    <message>
        <source>%1 silinemedi.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Ezan sil</source>
        <translation>Adhan entfernen</translation>
    </message>
    <message>
        <source>%1 ezan klasöründen silinsin mi?</source>
        <translation>%1 aus dem Adhan-Ordner entfernen?</translation>
    </message>
    <message>
        <source>sunucuya bağlanılamadı ya da sunucu dosyayı vermedi</source>
        <translation>der Server war nicht erreichbar oder lieferte die Datei nicht</translation>
    </message>
    <message>
        <source>sunucu yanıt vermedi (zaman aşımı)</source>
        <translation>der Server antwortete nicht (Zeitüberschreitung)</translation>
    </message>
    <message>
        <source>güvenli olmayan (HTTPS olmayan) bir adrese yönlendirildi</source>
        <translation>es wurde an eine unsichere Adresse (ohne HTTPS) umgeleitet</translation>
    </message>
    <message>
        <source>indirme yarıda kesildi ya da boyutu listedekinden farklı</source>
        <translation>der Download brach ab oder seine Größe weicht von der Liste ab</translation>
    </message>
    <message>
        <source>dosyanın SHA-256 özeti listedekiyle uyuşmuyor</source>
        <translation>die SHA-256-Prüfsumme der Datei stimmt nicht mit der Liste überein</translation>
    </message>
    <message>
        <source>dosya ezan klasörüne kaydedilemedi</source>
        <translation>die Datei konnte nicht im Adhan-Ordner gespeichert werden</translation>
    </message>
    <message>
        <source>indirme yarıda kaldı</source>
        <translation>der Download wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>İndirilemedi</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Ezan indir</source>
        <translation>Adhan herunterladen</translation>
    </message>
    <message>
        <source>%1: %2. Hiçbir dosya kaydedilmedi.</source>
        <translation>%1: %2. Es wurde keine Datei gespeichert.</translation>
    </message>
    <message>
        <source>İndirilebilecek kayıtların listesi okunamadı.</source>
        <translation>Die Liste der herunterladbaren Aufnahmen konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>EzanSecClass</name>
    <message>
        <source>Ezan Seç</source>
        <translation>Gebetsruf wählen</translation>
    </message>
    <message>
        <source>Sabah Ezanı</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Öğle Ezanı</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>İkindi Ezanı</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Akşam Ezanı</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Yatsı Ezanı</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Probehören</translation>
    </message>
    <message>
        <source>Kaydet</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Gerçek bir ezan kaydı ekleyin veya indirin</source>
        <translation>Fügen Sie eine echte Adhan-Aufnahme hinzu oder laden Sie eine herunter</translation>
    </message>
    <message>
        <source>Sil</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>KibleAciCizim</name>
    <message>
        <source>Analog Clock</source>
        <translation>Analoguhr</translation>
    </message>
</context>
<context>
    <name>MasaustuBildirimi</name>
    <message>
        <source>Ezanı durdur</source>
        <translation>Gebetsruf anhalten</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QRavla</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation>Ravla Gebetszeiten</translation>
    </message>
    <message>
        <source>Vakitler, bilgisayarın saat dilimine (%1) göre %2 - %3 için %4 yöntemiyle hesaplanıyor.</source>
        <translation>Nach der Zeitzone des Computers (%1) werden die Zeiten für %2 - %3 nach der Methode %4 berechnet.</translation>
    </message>
    <message>
        <source>%1° K, %2° D</source>
        <translation>%1° N, %2° O</translation>
    </message>
    <message>
        <source>Henüz bir yer seçilmedi: vakitler %1 için %2 yöntemiyle hesaplanıyor.</source>
        <translation>Noch kein Ort gewählt: Die Zeiten werden für %1 nach der Methode %2 berechnet.</translation>
    </message>
    <message>
        <source>Henüz bir yer seçilmedi: vakitler %1 (%2, %3 yakını) için %4 yöntemiyle hesaplanıyor.</source>
        <translation>Noch kein Ort gewählt: Die Zeiten werden für %1 (bei %2, %3) nach der Methode %4 berechnet.</translation>
    </message>
    <message>
        <source>Kendi yerinizi şehir sayfasında seçebilirsiniz.</source>
        <translation>Ihren eigenen Ort können Sie auf der Stadtseite wählen.</translation>
    </message>
    <message>
        <source>Şehir seç...</source>
        <translation>Stadt wählen...</translation>
    </message>
    <message>
        <source>İlk çalıştırma</source>
        <translation>Erster Start</translation>
    </message>
    <message>
        <source>Bugün: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Bu gece: %1</source>
        <translation>Heute Nacht: %1</translation>
    </message>
</context>
<context>
    <name>QRavlaClass</name>
    <message>
        <source>Ses</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Oku</source>
        <translation>Gebetsruf abspielen</translation>
    </message>
    <message>
        <source>Dur</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Ezan Seç</source>
        <translation>Gebetsruf wählen</translation>
    </message>
    <message>
        <source>Ses Düzeyi</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Seçenekler</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Kıble Yönü</source>
        <translation>Qibla-Richtung</translation>
    </message>
    <message>
        <source>Vakitler</source>
        <translation>Gebetszeiten</translation>
    </message>
    <message>
        <source>Cami</source>
        <translation>Moschee</translation>
    </message>
    <message>
        <source>İmsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Güneş</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Öğle</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>İkindi</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Akşam</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>Daha fazla bilgi</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Aylık Vakitler</source>
        <translation>Monatliche Gebetszeiten</translation>
    </message>
</context>
<context>
    <name>TakvimDosyasi</name>
    <message>
        <source>İmsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Sabah namazı</source>
        <translation>Fadschr-Gebet</translation>
    </message>
    <message>
        <source>Güneş doğuşu</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Öğle namazı</source>
        <translation>Dhuhr-Gebet</translation>
    </message>
    <message>
        <source>İkindi namazı</source>
        <translation>Asr-Gebet</translation>
    </message>
    <message>
        <source>Akşam namazı</source>
        <translation>Maghrib-Gebet</translation>
    </message>
    <message>
        <source>Yatsı namazı</source>
        <translation>Ischa-Gebet</translation>
    </message>
    <message>
        <source>Namaz vakitleri</source>
        <translation>Gebetszeiten</translation>
    </message>
    <message>
        <source>Namaz vakitleri — %1</source>
        <translation>Gebetszeiten — %1</translation>
    </message>
</context>
<context>
    <name>bilgi</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation>Ravla Gebetszeiten</translation>
    </message>
    <message>
        <source>Günün namaz vakitlerini gösterir, vakit girince ezanı okur ve kıble yönünü gösterir.</source>
        <translation>Zeigt die Gebetszeiten des Tages an, spielt zu Beginn jeder Gebetszeit den Gebetsruf ab und zeigt die Qibla-Richtung.</translation>
    </message>
    <message>
        <source>Linux ve Windows masaüstleri için.</source>
        <translation>Für Linux- und Windows-Desktops.</translation>
    </message>
    <message>
        <source>Veri kaynakları</source>
        <translation>Datenquellen</translation>
    </message>
    <message>
        <source>Güneşin konumu: NREL Güneş Konum Algoritması (SPA), I. Reda ve A. Andreas, 2004; yayımlanmış bilimsel veri.</source>
        <translation>Sonnenstand: NREL-Sonnenstandsalgorithmus (SPA), I. Reda und A. Andreas, 2004; veröffentlichte wissenschaftliche Daten.</translation>
    </message>
    <message>
        <source>Şehirler: GeoNames (CC BY 4.0), ülke adları: i18n-iso-countries (MIT).</source>
        <translation>Städte: GeoNames (CC BY 4.0), Ländernamen: i18n-iso-countries (MIT).</translation>
    </message>
    <message>
        <source>Saat dilimleri: IANA saat dilimi veritabanı (kamu malı).</source>
        <translation>Zeitzonen: IANA-Zeitzonendatenbank (gemeinfrei).</translation>
    </message>
    <message>
        <source>Kullanılan kütüphaneler</source>
        <translation>Verwendete Bibliotheken</translation>
    </message>
    <message>
        <source>Qt 6 (LGPL-3.0)</source>
        <translation>Qt 6 (LGPL-3.0)</translation>
    </message>
    <message>
        <source>SDL2 ve SDL2_mixer (zlib lisansı)</source>
        <translation>SDL2 und SDL2_mixer (zlib-Lizenz)</translation>
    </message>
    <message>
        <source>Özel Yöntem</source>
        <translation>Eigene Methode</translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation>Hanafitisch</translation>
    </message>
    <message>
        <source>Şafi - Maliki - Hanbeli</source>
        <translation>Schafiitisch - malikitisch - hanbalitisch</translation>
    </message>
    <message>
        <source>Evet</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Hayır</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>JAKIM bölgesi: %1</source>
        <translation>JAKIM-Zone: %1</translation>
    </message>
    <message>
        <source>Bu yeri hiçbir bölge anmıyor: en yakın anılan yer %1 (%2 km), bölgesi onunki.</source>
        <translation>Keine Zone nennt diesen Ort: er erhält die Zone von %1, dem nächsten genannten Ort (%2 km).</translation>
    </message>
    <message>
        <source>Vakitler bölgenin referans noktasında hesaplanır: enlem %1, boylam %2.</source>
        <translation>Die Zeiten werden am Bezugspunkt der Zone berechnet: Breite %1, Länge %2.</translation>
    </message>
    <message>
        <source>Hicri takvim: 30 yıllık devreli hesap takvimi; Diyanet&apos;in Birleşik Hicri Takvimi Ay&apos;ın Meeus&apos;a göre (ELP-2000/82) hesaplanan konumuyla; Ümmü&apos;l-Kurâ ICU&apos;dan.</source>
        <translation>Hidschri-Kalender: der rechnerische Kalender mit 30-jährigem Zyklus; der Vereinheitlichte Hidschri-Kalender von Diyanet mit der Mondposition nach Meeus (ELP-2000/82); Umm al-Qura aus ICU.</translation>
    </message>
</context>
<context>
    <name>bilgiClass</name>
    <message>
        <source>Tüm Bilgiler</source>
        <translation>Alle Informationen</translation>
    </message>
    <message>
        <source>Hesaplama Bilgileri</source>
        <translation>Berechnungsdetails</translation>
    </message>
    <message>
        <source>Konum</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Ülke:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Şehir:</source>
        <translation>Stadt:</translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation>Breitengrad:</translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation>Längengrad:</translation>
    </message>
    <message>
        <source>Metot</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Hesaplama metodu:</source>
        <translation>Berechnungsmethode:</translation>
    </message>
    <message>
        <source>İkindi hesaplama metodu:</source>
        <translation>Asr-Berechnungsmethode:</translation>
    </message>
    <message>
        <source>Zaman dilimi:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>Gün ışıgından yararlanma:</source>
        <translation>Sommerzeit:</translation>
    </message>
    <message>
        <source>Program Hakkında</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Hicri tarih:</source>
        <translation>Hidschri-Datum:</translation>
    </message>
</context>
<context>
    <name>kibleClass</name>
    <message>
        <source>Kıble</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>secenekler</name>
    <message>
        <source>Ocak</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Şubat</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>Mart</source>
        <translation>März</translation>
    </message>
    <message>
        <source>Nisan</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mayıs</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Haziran</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Temmuz</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Ağustos</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Eylül</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Ekim</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>Kasım</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Aralık</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Uyarı</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Ülkeler listesi bulunamadı</source>
        <translation>Die Länderliste wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Hata</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Koordinat verileri bulunamadı</source>
        <translation>Die Koordinatendaten wurden nicht gefunden</translation>
    </message>
    <message>
        <source>Boş geçtiniz</source>
        <translation>Sie haben ein Feld leer gelassen</translation>
    </message>
    <message>
        <source>Enlem -90 ile 90 arasında olmalı: %1</source>
        <translation>Der Breitengrad muss zwischen -90 und 90 liegen: %1</translation>
    </message>
    <message>
        <source>Boylam -180 ile 180 arasında olmalı: %1</source>
        <translation>Der Längengrad muss zwischen -180 und 180 liegen: %1</translation>
    </message>
    <message>
        <source>Açı 0 ile 90 arasında olmalı: %1</source>
        <translation>Der Winkel muss zwischen 0 und 90 liegen: %1</translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Zaman dilimi</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>%1 geçersiz: &quot;%2&quot;</source>
        <translation>%1 ist ungültig: „%2“</translation>
    </message>
    <message>
        <source>Oturum açılınca başlatma ayarlanamadı</source>
        <translation>Der Start bei der Anmeldung konnte nicht eingerichtet werden</translation>
    </message>
    <message>
        <source> (bu ülkenin yöntemi)</source>
        <translation> (die Methode dieses Landes)</translation>
    </message>
    <message>
        <source>Bu ülkenin kendi yöntemi var: %1. Hesaplama Yöntemi sayfasında seçebilirsiniz.</source>
        <translation>Dieses Land hat eine eigene Methode: %1. Sie können sie auf der Seite Berechnungsmethode wählen.</translation>
    </message>
    <message>
        <source>Yakında bu saat dilimini kullanan bir yer yok: yaz saati Avrupa kuralıyla uygulanır.</source>
        <translation>In der Nähe nutzt kein Ort diese Zeitzone: die Sommerzeit folgt der europäischen Regel.</translation>
    </message>
    <message>
        <source>%1: yaz saati var</source>
        <translation>%1: mit Sommerzeit</translation>
    </message>
    <message>
        <source>%1: yaz saati yok</source>
        <translation>%1: keine Sommerzeit</translation>
    </message>
    <message>
        <source>Bu ülkenin Hicri takvimi: %1. Genel sayfasında seçebilirsiniz.</source>
        <translation>Der Hidschri-Kalender dieses Landes: %1. Sie können ihn auf der Seite Allgemein wählen.</translation>
    </message>
    <message>
        <source>Diyanet (Birleşik Hicri Takvim)</source>
        <translation>Diyanet (Vereinheitlichter Hidschri-Kalender)</translation>
    </message>
    <message>
        <source>Ümmü&apos;l-Kurâ (Suudi Arabistan)</source>
        <translation>Umm al-Qura (Saudi-Arabien)</translation>
    </message>
    <message>
        <source>Hesap takvimi (30 yıllık devir)</source>
        <translation>Rechnerischer Kalender (30-jähriger Zyklus)</translation>
    </message>
    <message>
        <source> (bu ülkenin takvimi)</source>
        <translation> (Kalender dieses Landes)</translation>
    </message>
</context>
<context>
    <name>seceneklerClass</name>
    <message>
        <source>Ayarlar Penceresi</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Yeni Şehir</source>
        <translation>Neue Stadt</translation>
    </message>
    <message>
        <source>Ülke</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Şehir</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation>Breitengrad:</translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation>Längengrad:</translation>
    </message>
    <message>
        <source>Zaman Dilimi:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Özel Şehir</source>
        <translation>Eigene Stadt</translation>
    </message>
    <message>
        <source>Yer - Konum Bilgisi</source>
        <translation>Ort - Standortangaben</translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Zaman Dilimi</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Yaz Saati Ayarları</source>
        <translation>Sommerzeit-Einstellungen</translation>
    </message>
    <message>
        <source>Otomotik</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Elle</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Başlangıç Tarihi</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Bitiş Tarihi</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Hesaplama Yöntemi</source>
        <translation>Berechnungsmethode</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Egyptian General Authority of Survey</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Safi</source>
        <translation>University Of Islamic Sciences, Karachi - Safi</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Hanefi</source>
        <translation>University Of Islamic Sciences, Karachi - Hanefi</translation>
    </message>
    <message>
        <source>Islamic Society Of North America </source>
        <translation>Islamic Society Of North America </translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Muslim World League</translation>
    </message>
    <message>
        <source>Fixed Ishaa</source>
        <translation>Fixed Ishaa</translation>
    </message>
    <message>
        <source>Umm Al-Qura University</source>
        <translation>Umm Al-Qura University</translation>
    </message>
    <message>
        <source>Özel Metod</source>
        <translation>Eigene Methode</translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>İkindi Hesaplama Yöntemi</source>
        <translation>Asr-Berechnungsmethode</translation>
    </message>
    <message>
        <source>Standart (Şafi - Maliki - Hanbeli )</source>
        <translation>Standard (schafiitisch - malikitisch - hanbalitisch)</translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation>Hanafitisch</translation>
    </message>
    <message>
        <source>Genel Ayarlar</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Zaman Dilimi Ayarı</source>
        <translation>Zeitzoneneinstellung</translation>
    </message>
    <message>
        <source>Diyanet İşleri Başkanlığı</source>
        <translation>Diyanet İşleri Başkanlığı</translation>
    </message>
    <message>
        <source>Umm al-Qura (today)</source>
        <translation>Umm al-Qura (aktuell)</translation>
    </message>
    <message>
        <source>Dubai (Awqaf)</source>
        <translation>Dubai (Awqaf)</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <source>Qatar (Calendar House)</source>
        <translation>Katar (Calendar House)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>Singapur (MUIS)</translation>
    </message>
    <message>
        <source>Malaysia (JAKIM)</source>
        <translation>Malaysia (JAKIM)</translation>
    </message>
    <message>
        <source>Indonesia (Kemenag)</source>
        <translation>Indonesien (Kemenag)</translation>
    </message>
    <message>
        <source>Egypt (General Authority of Survey, today)</source>
        <translation>Ägypten (General Authority of Survey, aktuell)</translation>
    </message>
    <message>
        <source>Morocco (Habous)</source>
        <translation>Marokko (Habous)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institut für Geophysik, Universität Teheran</translation>
    </message>
    <message>
        <source>UOIF (France)</source>
        <translation>UOIF (Frankreich)</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>Geistliche Verwaltung der Muslime Russlands</translation>
    </message>
    <message>
        <source>Kendi Dakikalarım ve Yüksek Enlem</source>
        <translation>Eigene Minutenkorrekturen und hohe Breiten</translation>
    </message>
    <message>
        <source>İmsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Güneş</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Öğle</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>İkindi</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Akşam</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Yüksek enlem kuralı</source>
        <translation>Regel für hohe Breiten</translation>
    </message>
    <message>
        <source>Güneşin alacakaranlık açısına inmediği yerlerde ve günlerde</source>
        <translation>Für Orte und Tage, an denen die Sonne nicht bis zum Dämmerungswinkel sinkt</translation>
    </message>
    <message>
        <source>En yakın alacakaranlıklı gün</source>
        <translation>Nächstgelegener Tag mit Dämmerung</translation>
    </message>
    <message>
        <source>Gecenin yarısı</source>
        <translation>Mitte der Nacht</translation>
    </message>
    <message>
        <source>Gecenin yedide biri</source>
        <translation>Ein Siebtel der Nacht</translation>
    </message>
    <message>
        <source>Açıya göre (açı / 60 gece)</source>
        <translation>Nach Winkel (Winkel / 60 der Nacht)</translation>
    </message>
    <message>
        <source>Hicri Takvim</source>
        <translation>Hidschri-Kalender</translation>
    </message>
    <message>
        <source>Hicri tarih düzeltmesi (gün)</source>
        <translation>Korrektur des Hidschri-Datums (Tage)</translation>
    </message>
    <message>
        <source>Hicri tarihi ülkenizdeki hilal gözlemine uydurur</source>
        <translation>Passt das Hidschri-Datum an die Mondsichtung in Ihrem Land an</translation>
    </message>
    <message>
        <source>Vakitten Önce Hatırlat (dakika)</source>
        <translation>Vor den Gebetszeiten erinnern (Minuten)</translation>
    </message>
    <message>
        <source>Kapalı</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Sabah</source>
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Hatırlatırken kısa bir ses çal</source>
        <translation>Bei der Erinnerung einen kurzen Ton abspielen</translation>
    </message>
    <message>
        <source>Oturum açılınca başlat</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Vakitte ve hatırlatmada göster:</source>
        <translation>Zur Gebetszeit und bei Erinnerungen zeigen:</translation>
    </message>
    <message>
        <source>Kayan pencere</source>
        <translation>Gleitendes Fenster</translation>
    </message>
    <message>
        <source>Masaüstü bildirimi</source>
        <translation>Desktop-Benachrichtigung</translation>
    </message>
    <message>
        <source>Kayan pencere ve masaüstü bildirimi</source>
        <translation>Gleitendes Fenster und Desktop-Benachrichtigung</translation>
    </message>
    <message>
        <source>Takvim</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Hicri tarihin ve dini günlerin hangi takvime göre gösterileceği</source>
        <translation>Nach welchem Kalender das Hidschri-Datum und die religiösen Tage gezeigt werden</translation>
    </message>
</context>
</TS>
