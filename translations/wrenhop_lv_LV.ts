<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programmas atjaunināšana</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Notiek instalācijas failu lejupielāde.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programma jau darbojas</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline jau darbojas.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Programmas atjaunināšana neizdevās</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Nav tīkla savienojuma. 
Atjaunināšanu nevar turpināt.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Lūdzu, pārbaudiet tīklu (arī tīkla kabeli un maršrutētāju), ugunsmūri un pretvīrusu programmas iestatījumus un mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Programmas atjaunināšana neizdevās</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Nevar atrast atjauninājuma failu.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Lūdzu, mēģiniet vēlreiz vēlāk.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Ja problēma atkārtojas, lūdzu, sazinieties ar klientu apkalpošanas dienestu.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Apmeklēt klientu apkalpošanas dienesta tīmekļa vietni</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Atjaunināšanas apturēšana</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Vai apturēt atjaunināšanu tūlīt?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Ja apturēsiet atjaunināšanu, Cartaline tiks automātiski aizvērta.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Programmas atjaunināšana neizdevās</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline neizdevās atjaunināt.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Vai vēlaties mēģināt vēlreiz?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline ir gatava atjaunināšanai.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Lai atļautu šīs izmaiņas, ievadiet paroli.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Lietotājvārds</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Programmas atjaunināšana neizdevās</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Nav tīkla savienojuma. 
Atjaunināšanu nevar turpināt.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Lūdzu, pārbaudiet tīklu (arī tīkla kabeli un maršrutētāju), ugunsmūri 
un pretvīrusu programmas iestatījumus un mēģiniet vēlreiz.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Programmas atjaunināšana neizdevās</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Programmu neizdevās atjaunināt.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Lūdzu, mēģiniet vēlreiz vēlāk.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Ja problēma atkārtojas, lūdzu, sazinieties ar klientu apkalpošanas dienestu.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Apmeklēt klientu apkalpošanas dienesta tīmekļa vietni</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>Labi</translation>
    </message>
</context>
</TS>
