<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Program Güncelleme</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Kurulum dosyaları indiriliyor.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Program Zaten Çalışıyor</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline zaten çalışıyor.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Program Güncellenemedi</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Ağ bağlantısı yok. 
Güncellemeye devam edilemiyor.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Lütfen ağı (ağ kablosu ve yönlendirici dahil), güvenlik duvarını ve virüsten koruma programı ayarlarını kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Program Güncellenemedi</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Güncelleme dosyası bulunamadı.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Sorun devam ederse lütfen müşteri hizmetleriyle iletişime geçin.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Müşteri Hizmetleri Web Sitesine Git</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Güncellemeyi Durdur</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Güncelleme şimdi durdurulsun mu?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Güncellemeyi durdurursanız Cartaline otomatik olarak kapatılır.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Program Güncellenemedi</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline güncellenemedi.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Yeniden denemek ister misiniz?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline güncellenmeye hazır.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Bu değişikliğe izin vermek için lütfen parolayı girin.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Kullanıcı Adı</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Program Güncellenemedi</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Ağ bağlantısı yok. 
Güncellemeye devam edilemiyor.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Lütfen ağı (ağ kablosu ve yönlendirici dahil), güvenlik duvarını 
ve virüsten koruma programı ayarlarını kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Program Güncellenemedi</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Program güncellenemedi.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Sorun devam ederse lütfen müşteri hizmetleriyle iletişime geçin.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Müşteri Hizmetleri Web Sitesine Git</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>Tamam</translation>
    </message>
</context>
</TS>
